#include "editor/disc_image/volume_label.h"

#include <algorithm>

#include "platform/raster/cp1252.h"

namespace {

constexpr std::size_t kIsoLabelMax = 32;
constexpr std::size_t kJolietChars = 16;

// False when `text` is not well-formed UTF-8 (overlong forms and surrogates included).
bool DecodeUtf8(const std::string& text, std::u32string* out) {
    out->clear();
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char lead = static_cast<unsigned char>(text[i]);
        int extra;
        char32_t c;
        if (lead < 0x80) {
            extra = 0, c = lead;
        } else if (lead >= 0xC2 && lead < 0xE0) {
            extra = 1, c = lead & 0x1F;
        } else if (lead >= 0xE0 && lead < 0xF0) {
            extra = 2, c = lead & 0x0F;
        } else if (lead >= 0xF0 && lead < 0xF5) {
            extra = 3, c = lead & 0x07;
        } else {
            return false;
        }
        if (i + extra >= text.size()) return false;
        for (int k = 1; k <= extra; ++k) {
            const unsigned char next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80) return false;
            c = (c << 6) | (next & 0x3F);
        }
        if ((extra == 2 && (c < 0x800 || (c >= 0xD800 && c < 0xE000))) ||
            (extra == 3 && (c < 0x10000 || c > 0x10FFFF)))
            return false;
        out->push_back(c);
        i += std::size_t(extra) + 1;
    }
    return true;
}

std::u32string Decode(const std::string& text) {
    std::u32string out;
    if (DecodeUtf8(text, &out)) return out;
    out.clear();
    for (char c : text)
        out.push_back(platform::raster::Cp1252ToUnicode(static_cast<unsigned char>(c)));
    return out;
}

// The base letters of Latin-1 and the Windows-1252 extras; "" for anything
// that is not a letter or digit.
std::string Folded(char32_t c) {
    if (c >= 'a' && c <= 'z') return std::string(1, char(c - 'a' + 'A'));
    if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return std::string(1, char(c));
    // U+00C0 to U+00FF, upper and lower case alike (0xD7 and 0xF7 are signs).
    static const char* const kLatin1[64] = {
        "A", "A", "A", "A", "A", "A", "AE", "C", "E", "E", "E", "E", "I", "I", "I",  "I",
        "D", "N", "O", "O", "O", "O", "O",  "",  "O", "U", "U", "U", "U", "Y", "TH", "SS",
        "A", "A", "A", "A", "A", "A", "AE", "C", "E", "E", "E", "E", "I", "I", "I",  "I",
        "D", "N", "O", "O", "O", "O", "O",  "",  "O", "U", "U", "U", "U", "Y", "TH", "Y"};
    if (c >= 0xC0 && c <= 0xFF) return kLatin1[c - 0xC0];
    switch (c) {
        case 0x152:
        case 0x153:
            return "OE";
        case 0x160:
        case 0x161:
            return "S";
        case 0x17D:
        case 0x17E:
            return "Z";
        case 0x178:
            return "Y";
        default:
            return "";
    }
}

}  // namespace

std::string IsoVolumeLabel(const std::string& text) {
    std::string label;
    bool gap = false;
    for (char32_t c : Decode(text)) {
        const std::string letters = Folded(c);
        if (letters.empty()) {
            gap = !label.empty();
            continue;
        }
        if (gap) label += '_';
        gap = false;
        label += letters;
        if (label.size() >= kIsoLabelMax) break;
    }
    label.resize(std::min(label.size(), kIsoLabelMax));
    while (!label.empty() && label.back() == '_') label.pop_back();
    return label.empty() ? "VELOMAR" : label;
}

std::string JolietVolumeName(const std::string& text) {
    std::string field;
    for (char32_t c : Decode(text)) {
        if (field.size() == 2 * kJolietChars) break;
        if (c < 0x20 || c > 0xFFFF || (c >= 0xD800 && c < 0xE000)) continue;
        field += char(c >> 8);
        field += char(c & 0xFF);
    }
    while (field.size() < 2 * kJolietChars) field += std::string("\0 ", 2);
    return field;
}
