// Colours as the dialogs show them: the text "0xRRGGBB". The record keeps three
// bytes; the text exists only in the dialogs and inside a "@@" background value.
#pragma once

#include <cstdint>
#include <string>

struct ColourBytes {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    bool operator==(const ColourBytes& o) const { return r == o.r && g == o.g && b == o.b; }
};

// Never refuses a character: letters go on past 'f' ('z' is 35) and anything
// else is its code minus '0', modulo 256. The dialogs do not check the digits.
std::uint8_t HexDigitValue(char c);
std::uint8_t HexPairToByte(char high, char low);

// The low `count` hexadecimal digits of `value`, lower-case, zero-filled. (No
// printf: it would bring its whole formatter into the Windows editor.)
std::string HexDigits(std::uint32_t value, int count);

// "0x" and two lower-case digits per component: pure red is "0xff0000".
std::string ColourText(ColourBytes colour);

// Reads the components from positions 2-3, 4-5 and 6-7; the first two
// characters are not looked at. A character past the end of a short text
// counts as '0'.
ColourBytes ReadColourText(const std::string& text);

// The background dialog's check: exactly "0x" (lower-case x) and 8 characters.
// A line break is refused too, as the value is stored on one line of the file.
bool IsColourTextFormat(const std::string& text);

// The colour a swatch shows: only for a text of the checked format whose six
// digits are real hexadecimal digits (either case). False shows no swatch.
bool SwatchColour(const std::string& text, ColourBytes* colour);
