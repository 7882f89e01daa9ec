#include <gtest/gtest.h>

#include <set>
#include <string>

#include "engine/text_codec.h"

namespace {

std::string Encode(const std::string& text, bool framing = true, bool reversal = true) {
    std::string out = "stale";
    EXPECT_TRUE(EncodeText(text, framing, reversal, &out));
    return out;
}

std::string Decode(const std::string& text, bool framing = true, bool reversal = true) {
    std::string out = "stale";
    EXPECT_TRUE(DecodeText(text, framing, reversal, &out));
    return out;
}

TEST(TextCodec, KnownAnswersInEveryMode) {
    EXPECT_EQ(Encode("abc"), "gjZYXv");
    EXPECT_EQ(Encode("abc", false, false), "XYZ");
    EXPECT_EQ(Encode("abc", true, false), "gjXYZv");
    EXPECT_EQ(Encode("abc", false, true), "ZYX");
    EXPECT_EQ(Decode("gjZYXv"), "abc");
    EXPECT_EQ(Decode("XYZ", false, false), "abc");
}

TEST(TextCodec, EmptyAndShortInputsFailWithEmptyOutput) {
    std::string out = "stale";
    EXPECT_FALSE(EncodeText("", true, true, &out));
    EXPECT_EQ(out, "");
    out = "stale";
    EXPECT_FALSE(DecodeText("", false, false, &out));
    EXPECT_EQ(out, "");
    for (const char* shortText : {"a", "ab"}) {
        out = "stale";
        EXPECT_FALSE(DecodeText(shortText, true, true, &out)) << shortText;
        EXPECT_EQ(out, "");
    }
    // Three characters are all framing: an empty text, successfully.
    EXPECT_EQ(Decode("xyz"), "");
}

TEST(TextCodec, RoundTripsInEveryMode) {
    const std::string texts[] = {"x", "INIVersion=3", "WindowTitle=My Application",
                                 std::string(200, 'x'), "tab\there\x80\xff end"};
    for (const std::string& text : texts) {
        for (bool framing : {false, true}) {
            for (bool reversal : {false, true}) {
                std::string encoded = Encode(text, framing, reversal);
                EXPECT_EQ(encoded.size(), text.size() + (framing ? 3 : 0));
                EXPECT_EQ(Decode(encoded, framing, reversal), text)
                    << text << " framing " << framing << " reversal " << reversal;
            }
        }
    }
}

TEST(TextCodec, SubstitutionIsABijectionOnPrintableAscii) {
    std::set<std::string> images;
    for (char c = 32; c < 127; ++c) {
        std::string image = Encode(std::string(1, c), false, false);
        ASSERT_EQ(image.size(), 1u);
        EXPECT_GE(image[0], 32);
        EXPECT_LT(image[0], 127);
        images.insert(image);
    }
    EXPECT_EQ(images.size(), 95u);
}

TEST(TextCodec, CharactersOutsideTheAlphabetStayInMirroredPlace) {
    const std::string text = "a\tb\x80";
    std::string encoded = Encode(text, false, true);  // reversed: \x80 b \t a
    EXPECT_EQ(encoded[0], '\x80');
    EXPECT_EQ(encoded[2], '\t');
    encoded = Encode(text, false, false);
    EXPECT_EQ(encoded[1], '\t');
    EXPECT_EQ(encoded[3], '\x80');
}

TEST(TextCodec, FramingCharacters) {
    // First character ")" (index 74): trailing framing A[(74 + 21) mod 95] = "a".
    EXPECT_EQ(Encode(")x").back(), 'a');
    // 200 characters, last and first outside the alphabet: the framing indexes
    // 2L = 400, L/2 = 100 and L/2 + 1 = 101 wrap to 20, 5 and 6.
    std::string text = "\x80" + std::string(198, 'q') + "\t";
    std::string encoded = Encode(text);
    EXPECT_EQ(encoded[0], 'u');
    EXPECT_EQ(encoded[1], 'f');
    EXPECT_EQ(encoded.back(), 'g');
}

TEST(TextCodec, PlainEncryptionLineDecodesToTextWithoutEquals) {
    std::string decoded = Decode("INIEncryptionType=1");
    EXPECT_EQ(decoded.size(), 16u);
    EXPECT_EQ(decoded.find('='), std::string::npos) << decoded;
}

}  // namespace
