#include "editor/forms/colour_text.h"

std::uint8_t HexDigitValue(char c) {
    const auto u = static_cast<std::uint8_t>(c);
    if (u >= 'a' && u <= 'z') return std::uint8_t(u - 87);
    if (u >= 'A' && u <= 'Z') return std::uint8_t(u - 55);
    return std::uint8_t(u - 48);
}

std::uint8_t HexPairToByte(char high, char low) {
    return std::uint8_t((HexDigitValue(high) * 16) | HexDigitValue(low));
}

std::string HexDigits(std::uint32_t value, int count) {
    std::string digits(std::size_t(count), '0');
    for (int i = count - 1; i >= 0; --i, value >>= 4)
        digits[std::size_t(i)] = "0123456789abcdef"[value & 15];
    return digits;
}

std::string ColourText(ColourBytes colour) {
    return "0x" + HexDigits(std::uint32_t(colour.r << 16 | colour.g << 8 | colour.b), 6);
}

ColourBytes ReadColourText(const std::string& text) {
    auto at = [&](std::size_t i) { return i < text.size() ? text[i] : '0'; };
    return {HexPairToByte(at(2), at(3)), HexPairToByte(at(4), at(5)), HexPairToByte(at(6), at(7))};
}

bool IsColourTextFormat(const std::string& text) {
    return text.size() == 8 && text.compare(0, 2, "0x") == 0 &&
           text.find_first_of("\r\n") == std::string::npos;
}

bool SwatchColour(const std::string& text, ColourBytes* colour) {
    if (!IsColourTextFormat(text)) return false;
    for (std::size_t i = 2; i < text.size(); ++i) {
        const char c = text[i];
        const char lower = char(c | 0x20);
        if (!(c >= '0' && c <= '9') && !(lower >= 'a' && lower <= 'f')) return false;
    }
    *colour = ReadColourText(text);
    return true;
}
