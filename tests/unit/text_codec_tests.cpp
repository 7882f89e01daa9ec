// Known answers of the codec; its round trip in every mode is the fuzz target's.
#include <gtest/gtest.h>

#include <string>

#include "engine/text_codec.h"

namespace {

std::string Encode(const std::string& text, bool framing = true, bool reversal = true) {
    std::string out = "stale";
    EXPECT_TRUE(EncodeText(text, framing, reversal, &out)) << text;
    return out;
}

TEST(TextCodec, KnownAnswersFailuresAndCharactersOutsideTheAlphabet) {
    EXPECT_EQ(Encode("abc"), "gjZYXv");
    EXPECT_EQ(Encode("abc", false, false), "XYZ");
    EXPECT_EQ(Encode("abc", true, false), "gjXYZv");
    EXPECT_EQ(Encode("abc", false, true), "ZYX");
    // Three characters are all framing; fewer fail. Failures leave no stale output behind.
    std::string out;
    for (const auto& [text, decodes] :
         {std::pair{"xyz", true}, {"", false}, {"a", false}, {"ab", false}}) {
        out = "stale";
        EXPECT_EQ(DecodeText(text, true, true, &out), decodes) << text;
        EXPECT_EQ(out, "") << text;
    }
    out = "stale";
    EXPECT_FALSE(EncodeText("", true, true, &out));
    EXPECT_EQ(out, "");
    EXPECT_FALSE(DecodeText("", false, false, &out));

    EXPECT_EQ(Encode("a\tb\x80", false, false), "Y\tZ\x80");
    EXPECT_EQ(Encode("a\tb\x80", false, true), "\x80Z\tY");  // kept in the mirrored place
    // First character ")" (index 74): trailing framing A[(74 + 21) mod 95] = "a".
    EXPECT_EQ(Encode(")x").back(), 'a');
    // 200 characters, last and first outside the alphabet: the framing indexes
    // 2L = 400, L/2 = 100 and L/2 + 1 = 101 wrap to 20, 5 and 6.
    const std::string encoded = Encode("\x80" + std::string(198, 'q') + "\t");
    EXPECT_EQ(encoded.substr(0, 2), "uf");
    EXPECT_EQ(encoded.back(), 'g');
}

}  // namespace
