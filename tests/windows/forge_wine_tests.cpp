// VelomarForge.exe's windows under wine64: the x86_64 test program makes a
// disc through the dialogs and then tries the frame's commands, keys and
// windows on it in-process (tests/windows/win32/forge_wiring.cpp).
#include <gtest/gtest.h>

#include <filesystem>

#include "wine_session.h"

namespace {

namespace fs = std::filesystem;

TEST(ForgeWine, MenusKeysTreeDialogsAndPreviewReachTheProject) {
    wintest::WineSession& wine = wintest::WineSession::Get();
    ASSERT_TRUE(wine.ok()) << wine.error();
    const std::string scratch = wintest::ScratchDir("forge");
    fs::create_directories(scratch + "/start");
    fs::copy_file(VELOMAR_WINDOWS_X86_64_DIR "/launcher/win32/Velomar.exe",
                  scratch + "/start/Velomar.exe");
    fs::copy(VELOMAR_SOURCE_DIR "/examples/sample/res", scratch + "/art");
    std::string windows = "Z:" + scratch;
    for (char& c : windows)
        if (c == '/') c = '\\';
    const std::string exe =
        VELOMAR_WINDOWS_X86_64_DIR "/tests/windows/win32/velomar_forge_disc.exe";
    std::string out;
    EXPECT_EQ(xtest::Run(wine.Program(exe, {windows, "wiring"}), 300000, &out), 0) << out;
}

}  // namespace
