// The shipped Windows programs: small 32-bit GUI programs that need nothing on
// the user's machine beyond Windows itself.
#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <set>
#include <sstream>

#include "process.h"

namespace {

// The DLLs `exe` imports, in lower case, after checking it is a 32-bit GUI program.
std::set<std::string> ImportedDlls(const std::string& exe) {
    std::string headers;
    EXPECT_EQ(xtest::Run({{VELOMAR_OBJDUMP_I686, "-p", exe}}, 60000, &headers), 0);
    EXPECT_NE(headers.find("file format pei-i386"), std::string::npos) << headers.substr(0, 300);
    EXPECT_NE(headers.find("(Windows GUI)"), std::string::npos);

    std::set<std::string> dlls;
    std::istringstream lines(headers);
    for (std::string line, tag = "DLL Name: "; std::getline(lines, line);) {
        const auto at = line.find(tag);
        if (at == std::string::npos) continue;
        std::string name = line.substr(at + tag.size());
        for (char& c : name) c = char(std::tolower(static_cast<unsigned char>(c)));
        dlls.insert(name.substr(0, name.find_last_not_of(" \t\r") + 1));
    }
    return dlls;
}

TEST(ShippedPrograms, AreSmall32BitGuiProgramsImportingOnlyWindowsSystemDlls) {
    const std::set<std::string> dlls = ImportedDlls(VELOMAR_EXE_I686);
    // The runtime: the drawing, window and screen-reader DLLs must all be found; the C
    // runtime may be. Sound (winmm) and the shell load when first used.
    const std::set<std::string> needed = {"kernel32.dll", "user32.dll",   "gdi32.dll",
                                          "msimg32.dll",  "oleacc.dll",   "oleaut32.dll",
                                          "ole32.dll"};
    for (const std::string& dll : needed) EXPECT_TRUE(dlls.count(dll)) << "no " << dll;
    for (const std::string& dll : dlls)
        EXPECT_TRUE(needed.count(dll) || dll == "msvcrt.dll") << "imports " << dll;

    // It is copied onto every disc: the budget catches a flag that stopped
    // stripping or dropping unused code, or a library piece that crept back in
    // (the C++ exception runtime alone is some 30 KiB).
    EXPECT_LE(std::filesystem::file_size(VELOMAR_EXE_I686), 100u * 1024);

    // The editor: more of Windows, each DLL one that every Windows has.
    const std::set<std::string> editor = ImportedDlls(VELOMAR_FORGE_EXE_I686);
    const std::set<std::string> system = {
        "kernel32.dll", "user32.dll",   "gdi32.dll",    "msimg32.dll",  "winmm.dll",
        "shell32.dll",  "comctl32.dll", "comdlg32.dll", "advapi32.dll", "ole32.dll",
        "version.dll",  "msvcrt.dll",   "oleacc.dll",   "oleaut32.dll"};
    for (const std::string& dll : editor) EXPECT_TRUE(system.count(dll)) << "imports " << dll;
    EXPECT_TRUE(editor.count("comctl32.dll") && editor.count("advapi32.dll"));
    // The common dialogs and the shell load when first used: the start does without them.
    EXPECT_FALSE(editor.count("comdlg32.dll") || editor.count("shell32.dll"));

    // The budget: the C++ locale and stream machinery alone would pass it.
    EXPECT_LE(std::filesystem::file_size(VELOMAR_FORGE_EXE_I686), 512u * 1024);
}

}  // namespace
