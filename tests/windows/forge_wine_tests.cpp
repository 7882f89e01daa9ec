// VelomarForge.exe's windows under wine64: the x86_64 test program drives
// them in-process (tests/windows/win32/forge_tests.cpp), one group per case,
// on a fresh copy of the sample project and a companion folder holding the
// x86_64 Velomar.exe.
#include <gtest/gtest.h>

#include <filesystem>

#include "wine_session.h"

namespace {

namespace fs = std::filesystem;

std::string WindowsPath(const std::string& path) {
    std::string windows = "Z:" + path;
    for (char& c : windows)
        if (c == '/') c = '\\';
    return windows;
}

class ForgeWine : public ::testing::TestWithParam<const char*> {};

TEST_P(ForgeWine, Group) {
    wintest::WineSession& wine = wintest::WineSession::Get();
    ASSERT_TRUE(wine.ok()) << wine.error();
    const std::string scratch = wintest::ScratchDir(std::string("forge_") + GetParam());
    fs::create_directories(scratch + "/start");
    fs::copy_file(VELOMAR_WINDOWS_X86_64_DIR "/launcher/win32/Velomar.exe",
                  scratch + "/start/Velomar.exe");
    fs::copy(VELOMAR_SOURCE_DIR "/examples/sample", scratch + "/sample",
             fs::copy_options::recursive);
    const std::string exe =
        VELOMAR_WINDOWS_X86_64_DIR "/tests/windows/win32/velomar_forge_tests.exe";
    std::string out;
    EXPECT_EQ(xtest::Run(wine.Program(exe, {GetParam(), WindowsPath(scratch)}), 180000, &out), 0)
        << out;
}

INSTANTIATE_TEST_SUITE_P(Editor, ForgeWine,
                         ::testing::Values("start", "project", "tree", "dialogs", "build",
                                           "help", "habits", "arrange", "history"));

}  // namespace
