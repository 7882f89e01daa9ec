// The shipped VelomarForge.exe: a 32-bit GUI program beside Velomar.exe that
// needs nothing on the user's machine beyond Windows itself.
#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <set>
#include <sstream>

#include "process.h"

namespace {

const std::string kEditor = VELOMAR_FORGE_EXE_I686;

TEST(ShippedEditor, IsA32BitGuiProgramImportingOnlyWindowsSystemDlls) {
    std::string headers;
    ASSERT_EQ(xtest::Run({{VELOMAR_OBJDUMP_I686, "-p", kEditor}}, 60000, &headers), 0);
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
    const std::set<std::string> system = {
        "kernel32.dll", "user32.dll", "gdi32.dll",  "msimg32.dll", "winmm.dll",   "shell32.dll",
        "comctl32.dll", "comdlg32.dll", "advapi32.dll", "ole32.dll", "version.dll", "msvcrt.dll"};
    for (const std::string& dll : dlls) EXPECT_TRUE(system.count(dll)) << "imports " << dll;
    EXPECT_TRUE(dlls.count("comctl32.dll") && dlls.count("advapi32.dll"));

    // The budget: the C++ locale and stream machinery alone would pass it.
    EXPECT_LE(std::filesystem::file_size(kEditor), 512u * 1024);
}

}  // namespace
