// velomarforge-cli build and image on project folders that go wrong: a build
// killed at any moment, an image asked to replace a project file, leftovers of
// killed runs, xorriso outliving a killed CLI, and too many links to leave out.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "../support/project_sandbox.h"

namespace {

namespace fs = std::filesystem;
using namespace sandbox;
using Clock = std::chrono::steady_clock;

const std::string kCli = VELOMAR_BINARY_DIR "/bin/velomarforge-cli";
const std::string kAutorun = "[autorun]\r\nopen=Velomar.exe\r\nicon=Velomar.exe\r\n";

// Starts the CLI with its output thrown away; `path` replaces $PATH when given.
pid_t Start(const std::vector<std::string>& args, const std::string& path = "") {
    const pid_t pid = ::fork();
    if (pid != 0) return pid;
    const int null = ::open("/dev/null", O_WRONLY);
    ::dup2(null, 1);
    ::dup2(null, 2);
    if (!path.empty()) ::setenv("PATH", path.c_str(), 1);
    std::vector<char*> argv{const_cast<char*>(kCli.c_str())};
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    ::execv(kCli.c_str(), argv.data());
    ::_exit(127);
}

int Reap(pid_t pid) {
    int status = 0;
    ::waitpid(pid, &status, 0);
    return status;
}

// Gone, or a zombie no one has reaped yet: either way it runs no more.
bool Ended(pid_t pid) {
    const std::string stat = ReadBytes("/proc/" + std::to_string(pid) + "/stat");
    const std::size_t paren = stat.rfind(')');
    return paren == std::string::npos || stat.substr(paren + 2, 1) == "Z";
}

std::vector<std::string> TemporariesIn(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(folder))
        if (e.path().filename().string().find(".tmp.") != std::string::npos)
            names.push_back(e.path().filename().string());
    return names;
}

class UnsafeProject : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::copy(VELOMAR_SOURCE_DIR "/examples/sample", box.folder.Path(),
                 fs::copy_options::recursive);
        WriteBytes(runtime.File("Velomar.exe"), "MZ" + std::string(4 << 20, 'r'));
    }
    std::string P(const std::string& name) const { return box.folder.File(name); }

    ProjectSandbox box;
    TempFolder runtime, out;
};

TEST_F(UnsafeProject, AKilledBuildLeavesTheOldOrTheNewFilesNeverAPart) {
    const std::string oldAutorun = "[autorun]\r\nopen=Old.exe\r\n";
    const std::vector<std::string> build = {"build", box.folder.Path(), "--runtime",
                                            runtime.File("Velomar.exe")};
    // How long a whole build takes here, so the kills spread over all of it.
    const auto start = Clock::now();
    ASSERT_EQ(Reap(Start(build)), 0);
    const auto whole = std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start);

    const std::string newRuntime = ReadBytes(runtime.File("Velomar.exe"));
    constexpr int kKills = 30;
    for (int i = 0; i < kKills; ++i) {
        WriteBytes(P("autorun.inf"), oldAutorun);
        WriteBytes(P("Velomar.exe"), "MZ old");
        const pid_t pid = Start(build);
        std::this_thread::sleep_for(whole * i / kKills);
        ::kill(pid, SIGKILL);
        Reap(pid);
        const std::string autorun = ReadBytes(P("autorun.inf"));
        EXPECT_TRUE(autorun == oldAutorun || autorun == kAutorun) << i << ": " << autorun;
        const std::string exe = ReadBytes(P("Velomar.exe"));
        EXPECT_TRUE(exe == "MZ old" || exe == newRuntime) << i << ": " << exe.size() << " bytes";
    }
    // The next build removes what the killed ones left.
    ASSERT_EQ(Reap(Start(build)), 0);
    EXPECT_EQ(TemporariesIn(box.folder.Path()), std::vector<std::string>{});
    EXPECT_EQ(ReadBytes(P("autorun.inf")), kAutorun);
}

TEST_F(UnsafeProject, AnImageReplacesNoProjectFileButAnEarlierImage) {
    const std::string settings = box.SettingsBytes();
    for (const std::string& target : {P("AppSetup.dat"), P("res/background.bmp"), P("res")}) {
        const CliRun run = RunCli({"image", box.folder.Path(), target});
        EXPECT_EQ(run.status, 1) << target;
        EXPECT_EQ(run.err, "The disc image cannot replace a file of the project:\n" + target +
                               "\n\nPlease choose another name.\n")
            << target;
    }
    EXPECT_EQ(box.SettingsBytes(), settings);
    EXPECT_FALSE(fs::exists(P("autorun.inf")));  // nothing built either

    // An image saved inside the project may be made again; it never holds itself,
    // nor the temporary files killed runs left (of every form we ever made).
    const std::string marker = "LEFT BY A KILLED RUN";
    for (const char* leftover : {"disc.iso.tmp.0a1b2c3d", "disc.iso.tmp.Ab3xYz", "logo.bmp.tmp3"})
        WriteBytes(P(leftover), marker);
    const std::vector<std::string> image = {"image", box.folder.Path(), P("disc.iso"), "--runtime",
                                            runtime.File("Velomar.exe")};
    ASSERT_EQ(RunCli(image).status, 0);
    const CliRun again = RunCli(image);
    ASSERT_EQ(again.status, 0) << again.err;
    const std::string bytes = ReadBytes(P("disc.iso"));
    EXPECT_EQ(bytes.find(marker), std::string::npos);
    EXPECT_LT(bytes.size(), 2 * (4u << 20));  // the runtime once, not the earlier image
}

TEST_F(UnsafeProject, XorrisoEndsWhenTheCliIsKilled) {
    const std::string pidFile = out.File("xorriso.pid");
    WriteBytes(out.File("xorriso"), "#!/bin/sh\necho $$ > '" + pidFile + "'\nexec sleep 60\n");
    fs::permissions(out.File("xorriso"), fs::perms::owner_all);
    const pid_t cli = Start({"image", box.folder.Path(), out.File("disc.iso"), "--runtime",
                             runtime.File("Velomar.exe")},
                            out.Path() + ":/usr/bin:/bin");
    pid_t xorriso = 0;
    for (int i = 0; i < 600 && xorriso <= 0; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        xorriso = std::atoi(ReadBytes(pidFile).c_str());
    }
    ASSERT_GT(xorriso, 0);
    ::kill(cli, SIGKILL);
    Reap(cli);
    for (int i = 0; i < 200 && !Ended(xorriso); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_TRUE(Ended(xorriso));
    if (!Ended(xorriso)) ::kill(xorriso, SIGKILL);
}

TEST_F(UnsafeProject, TooManyLinksToLeaveOutSayWhy) {
    fs::create_directory(P("links"));
    for (int i = 0; i < 60000; ++i)
        fs::create_symlink("/etc/hostname", P("links/l" + std::to_string(i)));
    const CliRun run = RunCli({"image", box.folder.Path(), out.File("disc.iso"), "--runtime",
                               runtime.File("Velomar.exe")});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "Failed to write the disc image: " + out.File("disc.iso") +
                           "\nThe project folder holds 60000 entries that must stay off the disc "
                           "(links that lead out of the folder or nowhere, temporary files, pipes "
                           "or devices): too many to leave out. Remove them from the project "
                           "folder and try again.\n");
    EXPECT_FALSE(fs::exists(out.File("disc.iso")));
}

}  // namespace
