#include "editor/autorun_text.h"

#include "editor/project_build.h"
#include "editor/utf8_text.h"
#include "engine/launch_settings.h"

namespace {

bool IsControl(unsigned char c) { return c < 0x20 || c == 0x7F; }

// Characters as UTF-16 code units; false when the text is not all UTF-8 or
// is plain ASCII, which every code page reads alike.
bool Utf16Units(const std::string& text, std::u16string* units) {
    bool beyondAscii = false;
    for (std::size_t i = 0; i < text.size();) {
        char32_t c = static_cast<unsigned char>(text[i]);
        std::size_t length = 1;
        if (c >= 0x80) {
            length = Utf8At(text, i, &c);
            if (length == 0) return false;
            beyondAscii = true;
        }
        if (c >= 0x10000) {
            units->push_back(char16_t(0xD800 + ((c - 0x10000) >> 10)));
            units->push_back(char16_t(0xDC00 + ((c - 0x10000) & 0x3FF)));
        } else {
            units->push_back(char16_t(c));
        }
        i += length;
    }
    return beyondAscii;
}

std::string WithoutControls(const std::string& text) {
    std::string out;
    for (char c : text)
        if (!IsControl(static_cast<unsigned char>(c))) out += c;
    return out;
}

}  // namespace

std::string AutorunLabel(const std::string& title) {
    std::string label;
    std::size_t characters = 0;
    for (std::size_t i = 0; i < title.size() && characters < kAutorunLabelMax;) {
        const unsigned char byte = static_cast<unsigned char>(title[i]);
        if (byte == ' ' || IsControl(byte)) {
            // One space, and only between words.
            if (!label.empty() && label.back() != ' ') label += ' ', ++characters;
            ++i;
            continue;
        }
        char32_t c = 0;
        const std::size_t length = byte >= 0x80 ? Utf8At(title, i, &c) : 0;
        const std::size_t take = length ? length : 1;
        label.append(title, i, take);
        ++characters;
        i += take;
    }
    while (!label.empty() && label.back() == ' ') label.pop_back();
    return label;
}

std::string AutorunText(const LaunchSettings& s) {
    if (s.AutoPlay == 0) return AUTORUN_INF_TEXT;
    const std::string icon = WithoutControls(TextOf(s.AutoPlayIcon));
    std::string text = "[autorun]\r\nopen=Velomar.exe\r\nicon=";
    text += (icon.empty() ? "Velomar.exe" : icon) + "\r\n";
    const std::string label = AutorunLabel(TextOf(s.WindowTitle));
    if (!label.empty()) text += "label=" + label + "\r\n";

    std::u16string units;
    if (!Utf16Units(text, &units)) return text;
    std::string wide = "\xFF\xFE";
    for (char16_t unit : units) {
        wide += char(unit & 0xFF);
        wide += char(unit >> 8);
    }
    return wide;
}
