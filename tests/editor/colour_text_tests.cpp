// Colour text: the digit rule that never refuses a character, both directions
// of "0xRRGGBB" and the background dialog's format check.
#include <gtest/gtest.h>

#include <string>

#include "editor/dialogs/colour_text.h"

namespace {

TEST(ColourText, DigitsAndPairs) {
    const struct {
        char c;
        int value;
    } digits[] = {{'0', 0},  {'9', 9},  {'a', 10}, {'f', 15}, {'g', 16},
                  {'z', 35}, {'A', 10}, {'F', 15}, {'Z', 35}, {' ', 240}};
    for (const auto& d : digits) EXPECT_EQ(HexDigitValue(d.c), d.value) << d.c;
    EXPECT_EQ(HexDigitValue('\xff'), 207);  // taken as an 8-bit value

    const struct {
        const char* pair;
        int value;
    } pairs[] = {{"00", 0x00}, {"ff", 0xff}, {"FF", 0xff},
                 {"1A", 0x1a}, {"GG", 0x10}, {"zz", 0x33}};
    for (const auto& p : pairs) EXPECT_EQ(HexPairToByte(p.pair[0], p.pair[1]), p.value) << p.pair;
}

TEST(ColourText, ReadAndWrite) {
    const struct {
        std::string text;
        ColourBytes colour;
    } reads[] = {
        {"0x1A2b3C", {0x1a, 0x2b, 0x3c}},
        {"0xFF00ff", {255, 0, 255}},
        {"##00ff00", {0, 255, 0}},  // the first two characters are not looked at
        {"0xff", {255, 0, 0}},      // missing digits count as '0'
        {"0xf", {0xf0, 0, 0}},
        {"", {0, 0, 0}},
        {"0x123456789", {0x12, 0x34, 0x56}},
    };
    for (const auto& r : reads) EXPECT_EQ(ReadColourText(r.text), r.colour) << r.text;

    EXPECT_EQ(ColourText({255, 0, 0}), "0xff0000");
    EXPECT_EQ(ColourText({1, 0xab, 0x0c}), "0x01ab0c");
    EXPECT_EQ(ColourText(ReadColourText("0xFF00ff")), "0xff00ff");
}

TEST(ColourText, FormatCheck) {
    const struct {
        std::string text;
        bool ok;
    } cases[] = {{"0x0000ff", true},  {"0xzz0000", true},  {"0xGG0000", true},
                 {"0X00FF00", false}, {"0x00ff0", false},  {"0x00ff000", false},
                 {"", false},         {"000000ff", false}, {std::string("0x00\n0ff"), false}};
    for (const auto& c : cases) EXPECT_EQ(IsColourTextFormat(c.text), c.ok) << c.text;
}

}  // namespace
