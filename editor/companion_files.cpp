#include "editor/companion_files.h"

#include "platform/platform.h"

namespace {

// A Windows StartFolder ends in a backslash already (a drive root too).
std::string WithSlash(std::string folder) {
    if (folder.empty() || (folder.back() != '/' && folder.back() != '\\')) folder += '/';
    return folder;
}

// Percent-encodes what a file: URL path cannot hold as it is.
std::string UrlPath(const std::string& path) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : path) {
        const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
                           (c >= '0' && c <= '9') ||
                           std::string("/-._~&").find(char(c)) != std::string::npos;
        if (plain) {
            out += char(c);
        } else {
            out += '%';
            out += kHex[c >> 4];
            out += kHex[c & 15];
        }
    }
    return out;
}

}  // namespace

std::string UserGuidePath(const std::string& startFolder) {
    return WithSlash(startFolder) + USER_GUIDE_NAME;
}

std::string UserGuideUrl(const std::string& startFolder, const std::string& topic) {
    std::string url = "file://" + UrlPath(UserGuidePath(startFolder));
    if (!topic.empty()) url += "#" + UrlPath(topic);
    return url;
}

std::string QuotedProgram(const std::string& command) {
    if (command.empty() || command[0] != '"') return std::string();
    const std::size_t close = command.find('"', 1);
    if (close == std::string::npos) return std::string();
    return command.substr(1, close - 1);
}

bool FillOpenCommand(const std::string& command, const std::string& document, std::string* program,
                     std::string* parameters) {
    *program = QuotedProgram(command);
    if (program->empty()) return false;
    const std::string rest = command.substr(program->size() + 2);
    std::string filled;
    bool inQuotes = false, placed = false;
    for (std::size_t i = 0; i < rest.size(); ++i) {
        const char next = i + 1 < rest.size() ? rest[i + 1] : '\0';
        if (rest[i] == '%' && (next == '1' || next == 'L' || next == 'l')) {
            // A path with spaces must stay one argument.
            filled += inQuotes ? document : '"' + document + '"';
            placed = true;
            ++i;
        } else if (rest[i] == '%' && next == '*') {
            ++i;  // no further arguments
        } else {
            if (rest[i] == '"') inQuotes = !inQuotes;
            filled += rest[i];
        }
    }
    if (!placed) filled += " \"" + document + '"';
    const std::size_t first = filled.find_first_not_of(" \t");
    const std::size_t last = filled.find_last_not_of(" \t");
    *parameters =
        first == std::string::npos ? std::string() : filled.substr(first, last - first + 1);
    return true;
}

void ShowHelp(const std::string& startFolder, const std::string& topic) {
    if (platform::Current().services->ShellExecuteFile(nullptr, "open",
                                                       UserGuideUrl(startFolder, topic), nullptr))
        return;
    OpenGuideDocument(startFolder);
}

void OpenGuideDocument(const std::string& startFolder) {
    platform::Services& shell = *platform::Current().services;
    const std::string path = UserGuidePath(startFolder);
    if (shell.ShellExecuteFile(nullptr, "open", path, nullptr)) return;
    shell.ShowMessage(HelpNotOpenedMessage(path), platform::MessageButtons::Ok);
}

std::string HelpNotOpenedMessage(const std::string& path) {
    return "The user guide could not be opened: no web browser or program to open it was "
           "found.\n\nInstall a web browser (on Linux also the package xdg-utils, which "
           "provides xdg-open), or open the guide yourself:\n\n" +
           path;
}
