// The build on real project folders: the files it writes, what it keeps in
// res\ and what it deletes, and where it stops with which message.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "../support/project_sandbox.h"
#include "editor/project_build.h"

namespace {

namespace fs = std::filesystem;
using namespace sandbox;
using Messages = std::vector<std::string>;

class ProjectBuild : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::create_directories(box.folder.File("res/sub"));
        WriteBytes(box.folder.File("res/sub/inner.bmp"), "kept");
        for (const char* name : {"back.bmp", "logo.bmp", "orphan.bmp", "manual.pdf", "old.wav"})
            WriteBytes(box.folder.File(std::string("res/") + name), name);
        WriteBytes(runtime.File("Velomar.exe"), "MZ runtime");
        LaunchSettings& s = *project->Settings;
        s.BackGroundBitmapName = "res\\back.bmp";
        s.NumberOfLogosToDraw = 1;
        s.LogoBitmapName[0] = "res\\LOGO.bmp";
        s.NumberOfHotSpots = 1;
        s.HotSpotCommand[0] = "OPEN";
        s.HotSpotCommandDataA[0] = "res\\manual.pdf";
    }
    std::vector<std::string> ResFiles() const {
        std::vector<std::string> names;
        for (const auto& e : fs::recursive_directory_iterator(box.folder.File("res")))
            names.push_back(fs::relative(e.path(), box.folder.File("res")).string());
        std::sort(names.begin(), names.end());
        return names;
    }

    ProjectSandbox box;
    TempFolder runtime;
    std::unique_ptr<CInstallerWnd> project = box.NewProject();
};

TEST_F(ProjectBuild, WritesTheDiscFolder) {
    WriteBytes(box.folder.File("Velomar.exe"), "an older runtime");
    for (int round = 0; round < 2; ++round) {  // building again gives the same folder
        ASSERT_EQ(BuildProject(project.get(), runtime.File("Velomar.exe")), BuildResult::Built);
        EXPECT_EQ(ReadBytes(box.folder.File("autorun.inf")),
                  "[autorun]\r\nopen=Velomar.exe\r\nicon=Velomar.exe\r\n");
        EXPECT_EQ(ReadBytes(box.folder.File("Velomar.exe")), "MZ runtime");
        EXPECT_EQ(ResFiles(), (std::vector<std::string>{"back.bmp", "logo.bmp", "manual.pdf", "sub",
                                                        "sub/inner.bmp"}));
    }
    EXPECT_TRUE(box.services.messages.empty());

    // A runtime under another name still lands as Velomar.exe, which autorun.inf starts;
    // files of a Windows-made project in another case are replaced, not doubled.
    fs::rename(box.folder.File("autorun.inf"), box.folder.File("AUTORUN.INF"));
    fs::rename(box.folder.File("Velomar.exe"), box.folder.File("VELOMAR.EXE"));
    WriteBytes(runtime.File("velomar-x86.exe"), "MZ renamed");
    ASSERT_EQ(BuildProject(project.get(), runtime.File("velomar-x86.exe")), BuildResult::Built);
    EXPECT_EQ(ReadBytes(box.folder.File("VELOMAR.EXE")), "MZ renamed");
    EXPECT_FALSE(fs::exists(box.folder.File("Velomar.exe")));
    EXPECT_TRUE(fs::exists(box.folder.File("AUTORUN.INF")));
    EXPECT_FALSE(fs::exists(box.folder.File("autorun.inf")));
}

// Kept in res\: what a used name reaches in any case and spelling, the logos
// only up to their count, a link's file only for RUN and OPEN.
TEST_F(ProjectBuild, KeepsWhatTheMenuUses) {
    fs::remove_all(box.folder.File("res"));
    fs::create_directory(box.folder.File("res"));
    for (const char* name : {"back.bmp", "logo.bmp", "second.bmp", "beyond-count.bmp", "intro.wav",
                             "hover.wav", "setup.exe", "MANUAL.PDF", "absolute.exe", "abs.pdf",
                             "quit.txt", "beyond-count.exe", "Back.bmp.bak"})
        WriteBytes(box.folder.File(std::string("res/") + name), name);
    LaunchSettings& s = *project->Settings;
    s.BackGroundBitmapName = "res\\Back.bmp";
    s.NumberOfLogosToDraw = 2;
    s.LogoBitmapName[0] = "RES\\LOGO.BMP";
    s.LogoBitmapName[1] = "res/second.bmp.";  // only Windows finds it: no final dot
    s.LogoBitmapName[2] = "res\\beyond-count.bmp";
    s.StartupWaveFile = "res\\intro.wav";
    s.HotSpotWaveFile = ".\\res\\hover.wav";
    s.NumberOfHotSpots = 5;
    const char* links[][2] = {{"RUN", "res\\Setup.exe"},
                              {"OPEN", "./res//manual.pdf"},
                              {"RUNABSOLUTE", "res\\absolute.exe"},
                              {"OPENABSOLUTE", "res\\abs.pdf"},
                              {"QUIT", "res\\quit.txt"},
                              {"RUN", "res\\beyond-count.exe"}};
    for (int i = 0; i < 6; ++i) {
        s.HotSpotCommand[i] = links[i][0];
        s.HotSpotCommandDataA[i] = links[i][1];
    }
    ASSERT_EQ(BuildProject(project.get(), runtime.File("Velomar.exe")), BuildResult::Built);
    EXPECT_EQ(ResFiles(),
              (std::vector<std::string>{"MANUAL.PDF", "back.bmp", "hover.wav", "intro.wav",
                                        "logo.bmp", "second.bmp", "setup.exe"}));
}

TEST_F(ProjectBuild, StopsWithItsMessage) {
    // The CLI tests cover a missing runtime.
    const struct {
        const char* what;
        std::function<void()> arrange;
        Messages messages;
        bool autorunWritten, runtimeCopied;
    } cases[] = {
        {"res missing",
         [this] { fs::remove_all(box.folder.File("res")); },
         {"Unexpected error! Can't locate the RES folder!"},
         true,
         true},
        {"autorun.inf cannot be made",
         [this] { fs::create_directory(box.folder.File("autorun.inf")); },
         {"Failed to create the Autorun.inf file!"},
         false,
         false},
    };
    for (const auto& c : cases) {
        c.arrange();
        box.services.messages.clear();
        EXPECT_EQ(BuildProject(project.get(), runtime.File("Velomar.exe")), BuildResult::Failed)
            << c.what;
        EXPECT_EQ(box.services.messages, c.messages) << c.what;
        EXPECT_EQ(fs::is_regular_file(box.folder.File("autorun.inf")), c.autorunWritten) << c.what;
        EXPECT_EQ(fs::exists(box.folder.File("Velomar.exe")), c.runtimeCopied) << c.what;
        if (fs::exists(box.folder.File("res"))) {
            EXPECT_TRUE(fs::exists(box.folder.File("res/orphan.bmp"))) << c.what;
        }
        fs::remove(box.folder.File("autorun.inf"));
        fs::remove(box.folder.File("Velomar.exe"));
    }
    EXPECT_EQ(BuildProject(nullptr, runtime.File("Velomar.exe")), BuildResult::NoProject);
}

}  // namespace
