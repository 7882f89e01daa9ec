#include "platform/terminal_text.h"

#include <unistd.h>

namespace {

void AppendEscaped(unsigned char byte, std::string* out) {
    static const char kHex[] = "0123456789abcdef";
    *out += "\\x";
    *out += kHex[byte >> 4];
    *out += kHex[byte & 15];
}

// The length of the well-formed UTF-8 sequence at text[i], or 0.
std::size_t Utf8Length(std::string_view text, std::size_t i) {
    const unsigned char lead = static_cast<unsigned char>(text[i]);
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;  // range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;  // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (text.size() - i < length) return 0;
    for (std::size_t k = 1; k < length; ++k) {
        const unsigned char b = static_cast<unsigned char>(text[i + k]);
        if (b < (k == 1 ? low : 0x80) || b > (k == 1 ? high : 0xBF)) return 0;
    }
    return length;
}

}  // namespace

std::string EscapeForTerminal(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c < 0x80) {
            if ((c < 0x20 && c != '\n' && c != '\t') || c == 0x7F) {
                AppendEscaped(c, &out);
            } else {
                out += char(c);
            }
            ++i;
            continue;
        }
        const std::size_t length = Utf8Length(text, i);
        // U+0080..U+009F are the C1 controls (CSI among them).
        const bool c1 = length == 2 && c == 0xC2 && static_cast<unsigned char>(text[i + 1]) < 0xA0;
        if (length == 0 || c1) {
            const std::size_t n = length == 0 ? 1 : length;
            for (std::size_t k = 0; k < n; ++k)
                AppendEscaped(static_cast<unsigned char>(text[i + k]), &out);
            i += n;
            continue;
        }
        out.append(text.substr(i, length));
        i += length;
    }
    return out;
}

bool IsTerminal(std::FILE* stream) { return ::isatty(::fileno(stream)) == 1; }

std::string ForStream(std::FILE* stream, std::string_view text) {
    return IsTerminal(stream) ? EscapeForTerminal(text) : std::string(text);
}
