#include "cli/json_text.h"

#include <cstdio>

namespace {

// Length of the valid UTF-8 sequence starting at text[i], or 0 when the byte
// there does not start one (overlong forms and surrogates are invalid).
std::size_t Utf8Length(const std::string& text, std::size_t i) {
    auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char b = byte(i);
    std::size_t length;
    unsigned min, max;
    if (b >= 0xC2 && b <= 0xDF) {
        length = 2, min = 0x80, max = 0xBF;
    } else if (b >= 0xE0 && b <= 0xEF) {
        length = 3, min = b == 0xE0 ? 0xA0 : 0x80, max = b == 0xED ? 0x9F : 0xBF;
    } else if (b >= 0xF0 && b <= 0xF4) {
        length = 4, min = b == 0xF0 ? 0x90 : 0x80, max = b == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (i + length > text.size()) return 0;
    if (byte(i + 1) < min || byte(i + 1) > max) return 0;
    for (std::size_t k = 2; k < length; ++k) {
        if (byte(i + k) < 0x80 || byte(i + k) > 0xBF) return 0;
    }
    return length;
}

void AppendEscape(const char* format, unsigned value, std::string* out) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, format, value);
    out->append(buffer);
}

void Write(const nlohmann::ordered_json& value, int depth, std::string* out) {
    const std::string indent(std::size_t(depth + 1) * 2, ' ');
    const std::string closing(std::size_t(depth) * 2, ' ');
    if (value.is_object() || value.is_array()) {
        const bool object = value.is_object();
        if (value.empty()) {
            out->append(object ? "{}" : "[]");
            return;
        }
        out->append(object ? "{\n" : "[\n");
        bool first = true;
        for (auto it = value.begin(); it != value.end(); ++it) {
            if (!first) out->append(",\n");
            first = false;
            out->append(indent);
            if (object) out->append(JsonQuote(it.key()) + ": ");
            Write(it.value(), depth + 1, out);
        }
        out->append("\n" + closing + (object ? "}" : "]"));
    } else if (value.is_string()) {
        out->append(JsonQuote(value.get_ref<const std::string&>()));
    } else {
        out->append(value.dump());  // numbers, booleans, null
    }
}

}  // namespace

std::string JsonQuote(const std::string& text) {
    std::string out = "\"";
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c >= 0x80) {
            std::size_t length = Utf8Length(text, i);
            if (length == 0) {
                AppendEscape("\\udc%02x", c, &out);
                ++i;
            } else {
                out.append(text, i, length);
                i += length;
            }
            continue;
        }
        switch (c) {
            case '"':
                out.append("\\\"");
                break;
            case '\\':
                out.append("\\\\");
                break;
            case '\b':
                out.append("\\b");
                break;
            case '\f':
                out.append("\\f");
                break;
            case '\n':
                out.append("\\n");
                break;
            case '\r':
                out.append("\\r");
                break;
            case '\t':
                out.append("\\t");
                break;
            default:
                if (c < 0x20) {
                    AppendEscape("\\u%04x", c, &out);
                } else {
                    out.push_back(char(c));
                }
        }
        ++i;
    }
    out.push_back('"');
    return out;
}

std::string JsonText(const nlohmann::ordered_json& document) {
    std::string out;
    Write(document, 0, &out);
    out.push_back('\n');
    return out;
}
