// The shipped Velomar.exe: a small 32-bit GUI program that needs nothing on
// the user's machine beyond Windows itself.
#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <set>
#include <sstream>

#include "process.h"

namespace {

TEST(ShippedRuntime, IsASmall32BitGuiProgramImportingOnlyWindowsSystemDlls) {
    std::string headers;
    ASSERT_EQ(xtest::Run({{VELOMAR_OBJDUMP_I686, "-p", VELOMAR_EXE_I686}}, 60000, &headers), 0);
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
    // The drawing, window, sound and shell DLLs must all be found; the C runtime may be.
    const std::set<std::string> needed = {"kernel32.dll", "user32.dll", "gdi32.dll",
                                          "msimg32.dll",  "winmm.dll",  "shell32.dll"};
    for (const std::string& dll : needed) EXPECT_TRUE(dlls.count(dll)) << "no " << dll;
    for (const std::string& dll : dlls)
        EXPECT_TRUE(needed.count(dll) || dll == "msvcrt.dll") << "imports " << dll;

    // It is copied onto every disc: the budget catches a flag that stopped
    // stripping or dropping unused code, or a library piece that crept back in
    // (the C++ exception runtime alone is some 30 KiB).
    EXPECT_LE(std::filesystem::file_size(VELOMAR_EXE_I686), 100u * 1024);
}

}  // namespace
