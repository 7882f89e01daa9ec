// Hotspot commands on Linux: Windows-style parameter splitting, what each
// target turns into, and processes that start without the caller waiting.
#include <errno.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <thread>
#include <vector>

#include "platform/platform.h"
#include "platform/posix/posix_system.h"
#include "platform/wx/command_line.h"
#include "platform/wx/shell_launch.h"
#include "platform/wx/wx_services.h"
#include "scratch.h"

using platform::wx::PlanShellExecute;
using Args = std::vector<std::string>;

namespace {

TEST(SplitCommandLineTest, WhitespaceSeparatesQuotesGroupAndBackslashesCountOnlyBeforeAQuote) {
    const struct {
        const char* line;
        Args args;
    } cases[] = {
        {"", {}}, {"/S  /D=x", {"/S", "/D=x"}}, {"pre\"mid dle\"post", {"premid dlepost"}},
        {"-f \"My Documents\\a b.txt\" -q", {"-f", "My Documents\\a b.txt", "-q"}},
        {"\"\"", {""}}, {"\"unterminated arg", {"unterminated arg"}}, {"trail\\\\", {"trail\\\\"}},
        {"a\\\"b", {"a\"b"}},           // \"  -> "
        {"\"a\\\\\" b", {"a\\", "b"}},  // \\" -> \ and close
        {"a\\\\\\\"b", {"a\\\"b"}},     // \\\" -> \"
        {"\"say \"\"hi\"\"\"", {"say \"hi\""}},
    };
    for (const auto& c : cases) EXPECT_EQ(platform::wx::SplitCommandLine(c.line), c.args) << c.line;
}

void WriteFile(const std::string& path, const std::string& text, bool executable) {
    std::ofstream(path, std::ios::binary) << text;
    ::chmod(path.c_str(), executable ? 0755 : 0644);
}

// A project folder with a program, a document and a folder, and a PATH whose
// only opener is a stand-in xdg-open.
class ShellTest : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const std::string& dir : {project + "bin", project + "docs", temp.File("bin")})
            std::filesystem::create_directories(dir);
        WriteFile(project + "bin/tool.sh", "#!/bin/sh\nexit 0\n", true);
        WriteFile(project + "readme.txt", "hello\n", false);
        WriteFile(opener, "#!/bin/sh\n", true);
        savedPath = std::getenv("PATH");
        ::setenv("PATH", (temp.File("bin") + ":/usr/bin:/bin").c_str(), 1);
    }
    void TearDown() override { ::setenv("PATH", savedPath.c_str(), 1); }

    sandbox::TempFolder temp;
    std::string project = temp.File("project/"), opener = temp.File("bin/xdg-open"), savedPath;
    platform::PosixSystem system;
};

// Stored names match files in any case; a program runs with its parameters
// split as on Windows; anything else, and every "open", goes to the opener.
TEST_F(ShellTest, ProgramsRunAndEverythingElseOpensInItsApplication) {
    const struct {
        const char* verb;
        std::string file;
        const char* params;
        Args plan;  // "@" stands for the project folder, "open" for the opener
    } cases[] = {
        {nullptr, "@bin\\tool.sh", "-a \"b c\"", {"@bin/tool.sh", "-a", "b c"}},
        {nullptr, "@BIN\\Tool.SH", nullptr, {"@bin/tool.sh"}},
        {nullptr, "@readme.txt", "-x", {"open", "@readme.txt"}},
        {nullptr, "@docs", nullptr, {"open", "@docs"}},
        {"open", "@", nullptr, {"open", "@"}},
        {"open", "@bin\\tool.sh", nullptr, {"open", "@bin/tool.sh"}},
        {"open", "www.example.com", nullptr, {"open", "http://www.example.com"}},
        {nullptr, "https://example.com/a?b=c", "x", {"open", "https://example.com/a?b=c"}},
        // A name that starts with "-" must reach the opener as a file, not an option.
        {"open", "-notes.txt", nullptr, {"open", "./-notes.txt"}},
    };
    auto expand = [&](const std::string& s) {
        return s == "open" ? opener : s[0] == '@' ? project + s.substr(1) : s;
    };
    for (const auto& c : cases) {
        Args plan;
        for (const std::string& word : c.plan) plan.push_back(expand(word));
        EXPECT_EQ(PlanShellExecute(c.verb, expand(c.file), c.params, &system), plan) << c.file;
    }

    // A bare program name is searched in PATH.
    const Args sh = PlanShellExecute(nullptr, "sh", "-c true", &system);
    ASSERT_EQ(sh.size(), 3u);
    EXPECT_TRUE(sh[0] == "/usr/bin/sh" || sh[0] == "/bin/sh") << sh[0];

    // Without any opener nothing is planned, and nothing is started.
    ::setenv("PATH", temp.File("bin").c_str(), 1);
    ::unlink(opener.c_str());
    EXPECT_TRUE(PlanShellExecute("open", project + "readme.txt", nullptr, &system).empty());
    EXPECT_FALSE(platform::wx::SpawnDetached({}));
}

// Through the services as a RUN link goes: the program cannot finish before
// the caller acts, so a caller that waited for it would never get here. A
// started program gets default signal handling and nothing blocked, whatever
// the runtime set up for itself (cp copies its own status; a shell would not).
TEST_F(ShellTest, ProgramsStartDetachedWithDefaultSignalsAndAnEmptyMask) {
    const std::string go = temp.File("go"), out = temp.File("out"), copied = temp.File("status");
    WriteFile(project + "bin/wait.sh",
              "#!/bin/sh\nwhile [ ! -e '" + go + "' ]; do sleep 0.02; done\nprintf '%s|' \"$@\" >" +
                  " '" + out + ".tmp'\nmv '" + out + ".tmp' '" + out + "'\n", true);
    platform::wx::WxServices services("velomar");
    platform::Install(platform::Platform{nullptr, nullptr, &services, &system});
    services.ShellExecuteFile(nullptr, nullptr, project + "BIN\\wait.sh", "\"a b\" c");
    platform::Install(platform::Platform{});
    WriteFile(go, "", false);
    for (int i = 0; i < 500 && ::access(out.c_str(), F_OK) != 0; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_EQ(sandbox::ReadBytes(out), "a b|c|");

    struct sigaction ignore {
    }, savedPipe{};
    ignore.sa_handler = SIG_IGN;
    ASSERT_EQ(::sigaction(SIGPIPE, &ignore, &savedPipe), 0);
    sigset_t usr1, savedMask;
    sigemptyset(&usr1);
    sigaddset(&usr1, SIGUSR1);
    ASSERT_EQ(::sigprocmask(SIG_BLOCK, &usr1, &savedMask), 0);
    const bool spawned =
        platform::wx::SpawnDetached({platform::wx::FindInPath("cp"), "/proc/self/status", copied});
    ::sigprocmask(SIG_SETMASK, &savedMask, nullptr);
    ::sigaction(SIGPIPE, &savedPipe, nullptr);
    ASSERT_TRUE(spawned);
    std::string status;
    for (int i = 0; i < 500 && status.find("SigCgt") == std::string::npos; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        status = sandbox::ReadBytes(copied);
    }
    const std::string none = "SigBlk:\t0000000000000000\nSigIgn:\t0000000000000000\n";
    EXPECT_NE(status.find(none), std::string::npos) << status;
    int exited;
    EXPECT_EQ(::waitpid(-1, &exited, WNOHANG), -1) << "nothing of ours is left to reap";
    EXPECT_EQ(errno, ECHILD);
}

}  // namespace
