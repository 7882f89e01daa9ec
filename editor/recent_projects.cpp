#include "editor/recent_projects.h"

#include "editor/utf8_text.h"

#include "platform/reg_settings.h"
#include "engine/settings_values.h"
#include "platform/platform.h"

namespace {

std::string ValueName(std::size_t index) { return "Project" + std::to_string(index + 1); }

std::string WithoutTrailingSeparators(const std::string& folder) {
    std::size_t end = folder.size();
    while (end > 1 && (folder[end - 1] == '/' || folder[end - 1] == '\\')) --end;
    return folder.substr(0, end);
}

char Lower(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

bool Storable(const std::string& folder) {
    return !folder.empty() && folder.size() <= CRegSettings::MAX_TEXT &&
           folder.find_first_of("\r\n") == std::string::npos;
}

// Controls, and the marks that turn text around or hide in it: shown as they
// are, they would make a name read as another ("/home/txt.exe").
bool Hidden(char32_t c) {
    return (c >= 0x80 && c <= 0x9F) || c == 0x061C || (c >= 0x200B && c <= 0x200F) ||
           (c >= 0x2028 && c <= 0x202E) || (c >= 0x2060 && c <= 0x206F) || c == 0xFEFF;
}

std::string Hex(unsigned value, int digits) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4) out += kHex[(value >> shift) & 15];
    return out;
}

}  // namespace

bool IsSameFolder(const std::string& a, const std::string& b) {
    const std::string x = WithoutTrailingSeparators(a), y = WithoutTrailingSeparators(b);
    if (x.size() != y.size()) return false;
    const bool ignoreCase = platform::Current().system->PathSeparator() == '\\';
    for (std::size_t i = 0; i < x.size(); ++i) {
        if (ignoreCase ? Lower(x[i]) != Lower(y[i]) : x[i] != y[i]) return false;
    }
    return true;
}

std::vector<std::string> WithoutFolder(std::vector<std::string> list, const std::string& folder) {
    std::vector<std::string> out;
    for (std::string& entry : list)
        if (!IsSameFolder(entry, folder)) out.push_back(std::move(entry));
    return out;
}

std::vector<std::string> WithRecentFolder(std::vector<std::string> list,
                                          const std::string& folder) {
    list = WithoutFolder(std::move(list), folder);
    list.insert(list.begin(), folder);
    if (list.size() > MAX_RECENT_PROJECTS) list.resize(MAX_RECENT_PROJECTS);
    return list;
}

std::string RecentMenuText(std::size_t index, const std::string& folder) {
    std::string text = "&" + std::to_string(index + 1) + " ";
    for (std::size_t i = 0; i < folder.size();) {
        const unsigned char c = static_cast<unsigned char>(folder[i]);
        char32_t code = 0;
        // Bytes that are no UTF-8 are left to the face's code page (ANSI on Windows).
        const std::size_t length = c >= 0x80 ? Utf8At(folder, i, &code) : 0;
        if (c < 0x20 || c == 0x7F) {
            text += "\\x" + Hex(c, 2);
        } else if (length && Hidden(code)) {
            text += "\\u" + Hex(unsigned(code), 4);
        } else if (c == '&') {
            text += "&&";
        } else {
            text.append(folder, i, length ? length : 1);
        }
        i += length ? length : 1;
    }
    return text;
}

std::vector<std::string> RecentProjects::Folders() const {
    std::vector<std::string> folders;
    for (std::size_t i = 0; i < MAX_RECENT_PROJECTS; ++i) {
        std::string folder;
        // A hand-edited store may repeat a folder; the menu shows it once.
        if (store_.ReadString(SECTION, ValueName(i), &folder) && Storable(folder) &&
            WithoutFolder(folders, folder).size() == folders.size())
            folders.push_back(folder);
    }
    return folders;
}

// The newest opened again leaves the store as it is, unread a second time.
void RecentProjects::Add(const std::string& folder) {
    if (!Storable(folder)) return;
    const std::vector<std::string> folders = Folders();
    std::vector<std::string> added = WithRecentFolder(folders, folder);
    if (added != folders) Store(added);
}

bool RecentProjects::StillThere(const std::string& folder) {
    if (platform::Current().system->FileExists(SettingsFilePath(folder))) return true;
    platform::Current().services->ShowMessage(
        "The project is no longer there:\n" + folder +
            "\n\nIt has been removed from the list of recent projects.",
        platform::MessageButtons::Ok);
    Store(WithoutFolder(Folders(), folder));
    return false;
}

std::string RecentProjects::Pick(const std::vector<std::string>& shown, std::size_t index) {
    if (index >= shown.size() || !StillThere(shown[index])) return std::string();
    return shown[index];
}

// Every slot is written, so an entry that left the list leaves the store too.
void RecentProjects::Store(const std::vector<std::string>& folders) {
    for (std::size_t i = 0; i < MAX_RECENT_PROJECTS; ++i)
        store_.SetString(SECTION, ValueName(i), i < folders.size() ? folders[i] : std::string());
}
