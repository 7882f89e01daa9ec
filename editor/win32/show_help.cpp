#include "editor/win32/show_help.h"

#include "editor/companion_files.h"

namespace {

// The default value of a key below HKEY_CLASSES_ROOT, at most 260 bytes.
bool ReadDefault(const std::string& path, std::string* text) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    char buffer[261] = {};
    DWORD size = 260;
    DWORD type = 0;
    const bool read = RegQueryValueExA(key, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(buffer),
                                       &size) == ERROR_SUCCESS &&
                      (type == REG_SZ || type == REG_EXPAND_SZ);
    RegCloseKey(key);
    if (read) text->assign(buffer, strnlen(buffer, size));
    return read;
}

}  // namespace

std::string HtmOpenCommand() {
    std::string type, command;
    if (!ReadDefault(".htm", &type) || !ReadDefault(type + "\\shell\\open\\command", &command))
        return std::string();
    return command;
}

// The guide path with "#topic" filled into the association's command; when
// no program starts, the document itself without a topic.
void ShowHelpAt(HWND owner, const std::string& startFolder, const std::string& topic) {
    std::string guide = UserGuidePath(startFolder);
    if (!topic.empty()) guide += "#" + topic;
    std::string program, parameters;
    if (FillOpenCommand(HtmOpenCommand(), guide, &program, &parameters) &&
        INT_PTR(ShellExecuteA(owner, "open", program.c_str(), parameters.c_str(), nullptr,
                              SW_SHOWNORMAL)) > 31)
        return;
    OpenGuideDocument(startFolder);
}
