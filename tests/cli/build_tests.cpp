// velomarforge-cli build on a copy of the sample project: its runtime option,
// the default runtime beside the program, and its failures. What the build
// writes and keeps in res\ is the core's (project_build_tests.cpp).
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "../support/project_sandbox.h"

namespace {

namespace fs = std::filesystem;
using namespace sandbox;

const std::string kAutorun = "[autorun]\r\nopen=Velomar.exe\r\nicon=Velomar.exe\r\n";

class CliBuild : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::copy(VELOMAR_SOURCE_DIR "/examples/sample", box.folder.Path(),
                 fs::copy_options::recursive);
        WriteBytes(box.folder.File("res/orphan.bmp"), "no longer used");
        settings = box.SettingsBytes();
        WriteBytes(runtime.File("Velomar.exe"), "MZ runtime");
    }

    ProjectSandbox box;
    TempFolder runtime;
    std::string settings;
};

TEST_F(CliBuild, Failures) {
    const std::string missing = runtime.File("none/Velomar.exe");
    EXPECT_EQ(RunCli({"build", box.folder.Path(), "--runtime", missing}),
              (CliRun{1, "",
                      "Failed to open the specified file:\n" + missing +
                          "\nFailed to copy the runtime to the project directory!\n"}));
    EXPECT_EQ(ReadBytes(box.folder.File("autorun.inf")), kAutorun);  // written before the copy
    EXPECT_FALSE(fs::exists(box.folder.File("Velomar.exe")));
    EXPECT_TRUE(fs::exists(box.folder.File("res/orphan.bmp")));  // nothing cleaned

    EXPECT_EQ(
        RunCli({"build", runtime.File("no project"), "--runtime", runtime.File("Velomar.exe")}),
        (CliRun{1, "", "Failed to open the InstalledWnd.ini file!\n"}));
}

// Without --runtime the program takes Velomar.exe from its own folder, or from
// share/velomar beside its bin folder once installed.
TEST_F(CliBuild, RuntimeBesideTheProgramByDefault) {
    TempFolder install;
    const std::string program = install.File("velomarforge-cli");
    fs::copy_file(VELOMAR_BINARY_DIR "/bin/velomarforge-cli", program);
    auto run = [&] {
        const std::string command =
            "'" + program + "' build '" + box.folder.Path() + "' 2>'" + install.File("err") + "'";
        const int raw = std::system(command.c_str());
        return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    };
    EXPECT_EQ(run(), 1);
    EXPECT_EQ(ReadBytes(install.File("err")), "Failed to open the specified file:\n" +
                                                  install.File("Velomar.exe") +
                                                  "\nFailed to copy the runtime to the project "
                                                  "directory!\n");
    WriteBytes(install.File("Velomar.exe"), "MZ beside");
    EXPECT_EQ(run(), 0) << ReadBytes(install.File("err"));
    EXPECT_EQ(ReadBytes(box.folder.File("Velomar.exe")), "MZ beside");

    TempFolder prefix;
    fs::create_directories(prefix.File("bin"));
    fs::create_directories(prefix.File("share/velomar"));
    fs::copy_file(program, prefix.File("bin/velomarforge-cli"));
    WriteBytes(prefix.File("share/velomar/Velomar.exe"), "MZ installed");
    const std::string installed =
        "'" + prefix.File("bin/velomarforge-cli") + "' build '" + box.folder.Path() + "'";
    EXPECT_EQ(std::system(installed.c_str()), 0);
    EXPECT_EQ(ReadBytes(box.folder.File("Velomar.exe")), "MZ installed");
}

}  // namespace
