// The shipped Velomar.exe: a 32-bit GUI program that needs nothing on the
// user's machine beyond Windows itself.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <set>
#include <sstream>

#include "process.h"

namespace {

std::string Lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
    return s;
}

std::string ObjdumpHeaders() {
    std::string out;
    int code = -1;
    bool ran = wintest::RunCapture(wintest::Launch{{VELOMAR_OBJDUMP_I686, "-p", VELOMAR_EXE_I686}},
                                   60000, &out, &code);
    EXPECT_TRUE(ran && code == 0) << "objdump -p " << VELOMAR_EXE_I686;
    return out;
}

std::vector<std::string> ImportedDlls(const std::string& headers) {
    std::vector<std::string> dlls;
    std::istringstream lines(headers);
    std::string line;
    const std::string tag = "DLL Name:";
    while (std::getline(lines, line)) {
        auto at = line.find(tag);
        if (at == std::string::npos) continue;
        std::string name = line.substr(at + tag.size());
        name.erase(0, name.find_first_not_of(" \t"));
        name.erase(name.find_last_not_of(" \t\r") + 1);
        dlls.push_back(Lower(name));
    }
    return dlls;
}

TEST(ShippedRuntime, IsA32BitWindowsGuiProgram) {
    std::string headers = ObjdumpHeaders();
    EXPECT_NE(headers.find("file format pei-i386"), std::string::npos) << headers.substr(0, 300);
    EXPECT_NE(headers.find("(Windows GUI)"), std::string::npos);
}

TEST(ShippedRuntime, ImportsOnlyWindowsSystemDlls) {
    const std::set<std::string> system = {"kernel32.dll", "user32.dll",  "gdi32.dll", "msimg32.dll",
                                          "winmm.dll",    "shell32.dll", "msvcrt.dll"};
    std::vector<std::string> dlls = ImportedDlls(ObjdumpHeaders());
    // The drawing, window, sound and shell DLLs must be there: a parse that
    // found nothing would pass the loop below vacuously.
    for (const char* needed :
         {"kernel32.dll", "user32.dll", "gdi32.dll", "msimg32.dll", "winmm.dll", "shell32.dll"})
        EXPECT_NE(std::find(dlls.begin(), dlls.end(), needed), dlls.end()) << needed;
    for (const std::string& dll : dlls) EXPECT_TRUE(system.count(dll)) << "imports " << dll;
}

// It is copied onto every disc: a size budget catches a flag that stopped
// stripping or dropping unused code.
TEST(ShippedRuntime, StaysSmall) {
    struct stat st {};
    ASSERT_EQ(stat(VELOMAR_EXE_I686, &st), 0);
    EXPECT_LT(st.st_size, 400 * 1024) << "Velomar.exe is " << st.st_size << " bytes";
}

}  // namespace
