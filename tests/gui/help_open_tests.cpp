// Help and the finished folder through the real xdg-open, on a desktop with no
// environment of its own, so xdg-open hands the address to $BROWSER: a stand-in
// that records what it was given and succeeds or fails as the case says.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "editor/companion_files.h"
#include "editor/show_folder.h"
#include "platform/platform.h"
#include "platform/posix/posix_system.h"
#include "platform/wx/wx_services.h"

namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

// The real shell of the Linux programs; messages are recorded, not shown.
class RealShell : public platform::wx::WxServices {
  public:
    RealShell() : WxServices("VelomarForge") {}
    platform::MessageAnswer ShowMessage(const std::string& text,
                                        platform::MessageButtons) override {
        messages.push_back(text);
        return platform::MessageAnswer::Ok;
    }
    Lines messages;
};

Lines ReadLines(const std::string& path) {
    Lines lines;
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

class HelpOpenTest : public ::testing::Test {
  protected:
    void SetUp() override {
        char pattern[] = "/tmp/velomar_help.XXXXXX";
        ASSERT_NE(::mkdtemp(pattern), nullptr);
        root_ = std::string(pattern) + "/";
        fs::create_directories(root_ + "guide dir/bin");
        std::ofstream(root_ + "guide dir/" + USER_GUIDE_NAME) << "<html>";
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "XDG_CURRENT_DESKTOP",
                                 "DESKTOP_SESSION", "KDE_FULL_SESSION", "GNOME_DESKTOP_SESSION_ID",
                                 "DBUS_SESSION_BUS_ADDRESS", "MATE_DESKTOP_SESSION_ID"})
            ::unsetenv(name);
        ::setenv("HOME", root_.c_str(), 1);
        ::setenv("XDG_CONFIG_HOME", (root_ + "config").c_str(), 1);
        path_ = ::getenv("PATH") ? ::getenv("PATH") : "/usr/bin:/bin";
        platform::Install(platform::Platform{nullptr, nullptr, &shell, &system});
    }
    void TearDown() override {
        platform::Install(platform::Platform{});
        ::setenv("PATH", path_.c_str(), 1);
        std::error_code ec;
        fs::remove_all(root_, ec);
    }
    // A browser that appends its argument to a file, then exits with `status`.
    void Browser(int status) {
        const std::string script = root_ + "browser";
        std::ofstream(script) << "#!/bin/sh\nprintf '%s\\n' \"$1\" >> '" << Record() << "'\nexit "
                              << status << "\n";
        fs::permissions(script, fs::perms::owner_all);
        ::setenv("BROWSER", script.c_str(), 1);
    }
    std::string Record() const { return root_ + "opened"; }
    std::string Guide() const { return root_ + "guide dir/"; }
    // What the browser got, once the opener (detached) had time to run it.
    Lines Opened(std::size_t expected) {
        for (int i = 0; i < 200 && ReadLines(Record()).size() < expected; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        return ReadLines(Record());
    }

    std::string root_, path_;
    RealShell shell;
    platform::PosixSystem system;
};

TEST_F(HelpOpenTest, GuideOpensAtItsTopic) {
    ASSERT_FALSE(::system("command -v xdg-open >/dev/null")) << "xdg-utils is not installed";
    Browser(0);
    ShowHelp(Guide(), "_Audio");
    EXPECT_EQ(Opened(1),
              Lines{"file://" + root_ + "guide%20dir/VelomarForge%20User%20Guide.htm#_Audio"});
    EXPECT_TRUE(shell.messages.empty());
}

TEST_F(HelpOpenTest, NoOpenerAtAllIsOneClearMessage) {
    ::setenv("PATH", (root_ + "guide dir/bin").c_str(), 1);
    ShowHelp(Guide(), "_Audio");
    EXPECT_EQ(shell.messages, Lines{HelpNotOpenedMessage(Guide() + USER_GUIDE_NAME)});
}

// "Yes, open the folder" and Copy Finished Project Files.
TEST_F(HelpOpenTest, FolderThatNothingOpensIsNamed) {
    const std::string folder = root_ + "project/";
    fs::create_directory(folder);
    for (int status : {0, 1}) {
        SCOPED_TRACE(status);
        shell.messages.clear();
        fs::remove(Record());
        Browser(status);
        EXPECT_EQ(ShowFolder(folder), status == 0);
        EXPECT_EQ(Opened(1).front(), folder);
        EXPECT_EQ(shell.messages,
                  status == 0 ? Lines{} : Lines{FolderNotOpenedMessage(folder)});
    }
}

}  // namespace
