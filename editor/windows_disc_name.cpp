#include "editor/windows_disc_name.h"

#include <cstring>

namespace {

// xorriso's Joliet long names: 103 characters, the dot of a file not counted.
constexpr std::size_t kJolietName = 103;
// libisofs leaves out of the Joliet tree an entry whose path, counted as one
// byte per separator and two per character after a leading byte, exceeds this.
constexpr std::size_t kJolietPathBytes = 240;

char Upper(char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; }

bool IsReserved(const std::string& name) {
    std::string stem = name.substr(0, name.find('.'));
    while (!stem.empty() && stem.back() == ' ') stem.pop_back();  // "CON .txt" is CON too
    for (char& c : stem) c = Upper(c);
    for (const char* device : {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"})
        if (stem == device) return true;
    return stem.size() == 4 && (stem.compare(0, 3, "COM") == 0 || stem.compare(0, 3, "LPT") == 0) &&
           stem[3] >= '0' && stem[3] <= '9';
}

}  // namespace

DiscNameRule BrokenDiscNameRule(const std::string& name, bool isFolder) {
    for (char c : name)
        if (static_cast<unsigned char>(c) >= 0x80) return DiscNameRule::NotAscii;
    for (char c : name)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F || std::strchr("\\/:*?\"<>|;", c))
            return DiscNameRule::Forbidden;
    if (IsReserved(name)) return DiscNameRule::Reserved;
    if (name.empty() || name.back() == '.' || name.back() == ' ') return DiscNameRule::TrailingDot;
    const bool dotted = !isFolder && name.find('.') != std::string::npos;
    if (name.size() > kJolietName + (dotted ? 1 : 0)) return DiscNameRule::TooLong;
    return DiscNameRule::None;
}

DiscNameRule BrokenDiscPathRule(const std::string& path, bool lastIsFolder) {
    std::size_t bytes = 1;
    std::size_t start = 0;
    while (start <= path.size()) {
        const std::size_t cut = path.find_first_of("\\/", start);
        const std::size_t end = cut == std::string::npos ? path.size() : cut;
        const bool last = end == path.size();
        const std::string part = path.substr(start, end - start);
        start = end + 1;
        if (part.empty()) continue;
        const DiscNameRule rule = BrokenDiscNameRule(part, !last || lastIsFolder);
        if (rule != DiscNameRule::None) return rule;
        bytes += 1 + 2 * part.size();
    }
    return bytes > kJolietPathBytes ? DiscNameRule::PathTooLong : DiscNameRule::None;
}

std::string DiscNameRuleText(DiscNameRule rule) {
    switch (rule) {
        case DiscNameRule::None:
            break;
        case DiscNameRule::NotAscii:
            return "it holds a character that is not plain ASCII, which Windows may read as "
                   "another";
        case DiscNameRule::Forbidden:
            return "it holds a character that Windows names on a disc cannot hold "
                   "(\\ / : * ? \" < > | ; or a control character)";
        case DiscNameRule::Reserved:
            return "Windows keeps the name for a device (CON, PRN, AUX, NUL, COM0 to COM9, LPT0 "
                   "to LPT9, CONIN$, CONOUT$), with any extension";
        case DiscNameRule::TrailingDot:
            return "it ends in a dot or a space, which Windows drops";
        case DiscNameRule::TooLong:
            return "it is longer than the disc's Windows names allow (103 characters, 104 for a "
                   "file name with a dot)";
        case DiscNameRule::PathTooLong:
            return "its path is too long for the disc's Windows names, so Windows would not see "
                   "it (keep the folders and names shorter)";
    }
    return std::string();
}

std::string DiscNameRefusal(const std::string& name, DiscNameRule rule) {
    return "The name \"" + name + "\" cannot go onto a Windows disc: " + DiscNameRuleText(rule) +
           ".\n\nPlease rename it and try again.";
}

bool SameNameOnDisc(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (Upper(a[i]) != Upper(b[i])) return false;
    return true;
}
