#include "editor/disc_image/image_report.h"

#include <cstdio>

namespace {

std::string Grouped(std::uintmax_t n) {
    std::string digits = std::to_string(n), out;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) out += ',';
        out += digits[i];
    }
    return out;
}

}  // namespace

std::string ReadableSize(std::uintmax_t bytes) {
    const std::string exact = Grouped(bytes) + (bytes == 1 ? " byte" : " bytes");
    if (bytes < 1024) return exact;
    static const char* const kUnits[] = {"KB", "MB", "GB", "TB"};
    double value = double(bytes) / 1024;
    int unit = 0;
    // Rounded first, so 1023.96 KB reads "1.0 MB" rather than "1024.0 KB".
    while (value >= 1023.95 && unit < 3) value /= 1024, ++unit;
    char text[32];
    std::snprintf(text, sizeof text, "%.1f %s", value, kUnits[unit]);
    return std::string(text) + " (" + exact + ")";
}

std::string DiscImageWrittenQuestion(const std::string& path, std::uintmax_t bytes) {
    return "Disc image written:\n" + path + "\n\nSize: " + ReadableSize(bytes) +
           "\n\nWould you like to open the folder containing the image?";
}
