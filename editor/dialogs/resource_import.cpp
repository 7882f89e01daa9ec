#include "editor/dialogs/resource_import.h"

#include <cstdio>
#include <filesystem>
#include <memory>
#include <system_error>

#include "engine/settings_values.h"
#include "platform/platform.h"

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kBufferBytes = 1024;
constexpr int kTemporaryNameTries = 100;

void Show(const std::string& text) {
    platform::Current().services->ShowMessage(text, platform::MessageButtons::Ok);
}

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

bool IsFolder(const std::string& path) {
    std::error_code ec;
    return fs::is_directory(fs::path(path), ec);
}

// A folder opens for reading on POSIX too; it is no file to copy.
File OpenSource(const std::string& source) {
    if (source.empty() || IsFolder(source)) return nullptr;
    return File(std::fopen(source.c_str(), "rb"));
}

bool SameFile(const std::string& a, const std::string& b) {
    std::error_code ec;
    return a == b || fs::equivalent(fs::path(a), fs::path(b), ec);
}

// A new file beside `destination`, made exclusively so that nothing else's file
// is ever truncated.
File CreateTemporary(const std::string& destination, std::string* name) {
    for (int n = 0; n < kTemporaryNameTries; ++n) {
        *name = destination + ".tmp" + std::to_string(n);
        if (std::FILE* f = std::fopen(name->c_str(), "wbx")) return File(f);
    }
    return nullptr;
}

bool CopyOpened(std::FILE* in, const std::string& source, const std::string& destination) {
    if (SameFile(source, destination)) return true;

    std::string temporary;
    File out = CreateTemporary(destination, &temporary);
    if (!out) {
        Show("Failed to create the file in the project directory!");
        return false;
    }
    auto fail = [&](const std::string& message) {
        out.reset();
        std::remove(temporary.c_str());
        Show(message);
        return false;
    };

    char buffer[kBufferBytes];
    for (;;) {
        const std::size_t got = std::fread(buffer, 1, sizeof buffer, in);
        if (got == 0) break;
        if (std::fwrite(buffer, 1, got, out.get()) != got)
            return fail("Failed to create the file in the project directory!");
    }
    if (std::ferror(in)) return fail("Failed to open the specified file:\n" + source);
    if (std::fclose(out.release()) != 0)
        return fail("Failed to create the file in the project directory!");
    if (!platform::Current().system->ReplaceFile(temporary, destination))
        return fail("Failed to create the file in the project directory!");
    return true;
}

// What follows the last '\' or '/': the name a path gives whichever system wrote it.
std::string LastComponent(const std::string& path) {
    const std::size_t cut = path.find_last_of("\\/");
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

}  // namespace

bool CopyFileToPath(const std::string& source, const std::string& destination) {
    File in = OpenSource(source);
    if (!in) {
        Show("Failed to open the specified file:\n" + source);
        return false;
    }
    return CopyOpened(in.get(), source, destination);
}

bool CopyFileToFolder(const std::string& source, const std::string& folder) {
    File in = OpenSource(source);
    if (!in) {
        Show("Failed to open the specified file:\n" + source);
        return false;
    }
    const char separator = platform::Current().system->PathSeparator();
    const std::size_t cut = source.rfind(separator);
    if (cut == std::string::npos) {
        Show("Failed to obtain file name!");
        return false;
    }
    std::string destination = folder;
    if (destination.empty() || destination.back() != separator) destination += separator;
    destination += source.substr(cut + 1);
    return CopyOpened(in.get(), source, destination);
}

bool IsResourceName(const std::string& text) {
    if (text.size() < 4 || text[3] != '\\') return false;
    for (int i = 0; i < 3; ++i) {
        if ((text[i] | 0x20) != "res"[i]) return false;
    }
    return true;
}

bool ImportResource(const std::string& pathText, const std::string& projectFolder,
                    std::string* resourceName) {
    if (!IsResourceName(pathText)) {
        const std::string res = FolderWithSeparator(projectFolder) + "res";
        if (!CopyFileToFolder(pathText, platform::Current().system->RealPath(res))) return false;
    }
    // Only the name itself: no sub-folders are ever made inside res.
    const std::string name = LastComponent(pathText);
    if (name.empty() || name.find_first_of("\r\n") != std::string::npos) return false;
    *resourceName = "res\\" + name;
    return true;
}

std::string ProjectFilePath(const std::string& projectFolder, const std::string& storedName) {
    return platform::Current().system->RealPath(FolderWithSeparator(projectFolder) + storedName);
}

std::string FieldFilePath(const std::string& projectFolder, const std::string& pathText) {
    return IsResourceName(pathText) ? ProjectFilePath(projectFolder, pathText) : pathText;
}
