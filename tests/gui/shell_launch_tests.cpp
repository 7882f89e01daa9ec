// Hotspot commands on Linux: Windows-style parameter splitting, what each
// target turns into, and processes that start without the caller waiting.
#include <errno.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include "platform/platform.h"
#include "platform/posix/posix_system.h"
#include "platform/wx/canberra_player.h"
#include "platform/wx/command_line.h"
#include "platform/wx/shell_launch.h"
#include "platform/wx/wx_services.h"

using platform::wx::PlanShellExecute;
using platform::wx::SplitCommandLine;
using Args = std::vector<std::string>;

namespace {

TEST(SplitCommandLineTest, WhitespaceSeparatesAndQuotesGroup) {
    EXPECT_EQ(SplitCommandLine(""), Args{});
    EXPECT_EQ(SplitCommandLine("  \t "), Args{});
    EXPECT_EQ(SplitCommandLine("/S  /D=x"), (Args{"/S", "/D=x"}));
    EXPECT_EQ(SplitCommandLine("-f \"My Documents\\a b.txt\" -q"),
              (Args{"-f", "My Documents\\a b.txt", "-q"}));
    EXPECT_EQ(SplitCommandLine("pre\"mid dle\"post"), (Args{"premid dlepost"}));
    EXPECT_EQ(SplitCommandLine("\"\""), (Args{""}));
    EXPECT_EQ(SplitCommandLine("\"unterminated arg"), (Args{"unterminated arg"}));
}

TEST(SplitCommandLineTest, BackslashesAreLiteralExceptBeforeAQuote) {
    EXPECT_EQ(SplitCommandLine("C:\\dir\\file.txt"), (Args{"C:\\dir\\file.txt"}));
    EXPECT_EQ(SplitCommandLine("a\\\"b"), (Args{"a\"b"}));           // \"  -> "
    EXPECT_EQ(SplitCommandLine("\"a\\\\\" b"), (Args{"a\\", "b"}));  // \\" -> \ and close
    EXPECT_EQ(SplitCommandLine("a\\\\\\\"b"), (Args{"a\\\"b"}));     // \\\" -> \"
    EXPECT_EQ(SplitCommandLine("\"say \"\"hi\"\"\""), (Args{"say \"hi\""}));
    EXPECT_EQ(SplitCommandLine("trail\\\\"), (Args{"trail\\\\"}));
}

TEST(WebAddressTest, WwwAndSchemesAreAddressesDrivesAndPathsAreNot) {
    EXPECT_TRUE(platform::wx::IsWebAddress("www.example.com"));
    EXPECT_TRUE(platform::wx::IsWebAddress("WWW.Example.com/x"));
    EXPECT_TRUE(platform::wx::IsWebAddress("http://example.com"));
    EXPECT_TRUE(platform::wx::IsWebAddress("mailto:someone@example.com"));
    EXPECT_FALSE(platform::wx::IsWebAddress("C:\\setup.exe"));
    EXPECT_FALSE(platform::wx::IsWebAddress("docs/readme.txt"));
    EXPECT_FALSE(platform::wx::IsWebAddress("wwwroot/index.htm"));
    EXPECT_FALSE(platform::wx::IsWebAddress(""));
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void WriteFile(const std::string& path, const std::string& text, bool executable) {
    std::ofstream(path, std::ios::binary) << text;
    ::chmod(path.c_str(), executable ? 0755 : 0644);
}

// A project folder with a program, a document and a folder, and a PATH whose
// only opener is a fake xdg-open that writes down what it was asked to open.
class ShellTest : public ::testing::Test {
  protected:
    void SetUp() override {
        char tmpl[] = "/tmp/velomar-shell-XXXXXX";
        ASSERT_NE(::mkdtemp(tmpl), nullptr);
        root = tmpl;
        project = root + "/project/";
        bin = root + "/fakebin";
        ASSERT_EQ(::mkdir(project.c_str(), 0755), 0);
        ASSERT_EQ(::mkdir((project + "bin").c_str(), 0755), 0);
        ASSERT_EQ(::mkdir((project + "docs").c_str(), 0755), 0);
        ASSERT_EQ(::mkdir(bin.c_str(), 0755), 0);
        WriteFile(project + "bin/tool.sh", "#!/bin/sh\nexit 0\n", true);
        WriteFile(project + "readme.txt", "hello\n", false);
        opened = root + "/opened";
        WriteFile(bin + "/xdg-open", "#!/bin/sh\nprintf '%s\\n' \"$@\" >> '" + opened + "'\n",
                  true);
        const char* path = std::getenv("PATH");
        savedPath = path ? path : "";
        ::setenv("PATH", (bin + ":/usr/bin:/bin").c_str(), 1);
    }
    void TearDown() override {
        ::setenv("PATH", savedPath.c_str(), 1);
        std::system(("rm -rf '" + root + "'").c_str());
    }

    std::string root, project, bin, opened, savedPath;
    platform::PosixSystem system;
};

TEST_F(ShellTest, RunStartsAnExecutableWithItsParametersSplitAsOnWindows) {
    EXPECT_EQ(PlanShellExecute(nullptr, project + "bin\\tool.sh", "-a \"b c\"", &system),
              (Args{project + "bin/tool.sh", "-a", "b c"}));
    EXPECT_EQ(PlanShellExecute(nullptr, project + "bin\\tool.sh", nullptr, &system),
              (Args{project + "bin/tool.sh"}));
}

TEST_F(ShellTest, StoredNamesMatchFilesInAnyCase) {
    EXPECT_EQ(PlanShellExecute(nullptr, project + "BIN\\Tool.SH", nullptr, &system),
              (Args{project + "bin/tool.sh"}));
}

TEST_F(ShellTest, RunOnAnythingButAProgramOpensItInItsApplication) {
    EXPECT_EQ(PlanShellExecute(nullptr, project + "readme.txt", "-x", &system),
              (Args{bin + "/xdg-open", project + "readme.txt"}));
    EXPECT_EQ(PlanShellExecute(nullptr, project + "docs", nullptr, &system),
              (Args{bin + "/xdg-open", project + "docs"}));
}

TEST_F(ShellTest, RunAbsoluteWithABareNameSearchesThePath) {
    const Args plan = PlanShellExecute(nullptr, "sh", "-c true", &system);
    ASSERT_EQ(plan.size(), 3u);
    EXPECT_TRUE(plan[0] == "/usr/bin/sh" || plan[0] == "/bin/sh") << plan[0];
    EXPECT_EQ(plan[1], "-c");
}

TEST_F(ShellTest, OpenHandsFoldersDocumentsAndProgramsToTheOpener) {
    EXPECT_EQ(PlanShellExecute("open", project, nullptr, &system),
              (Args{bin + "/xdg-open", project}));
    EXPECT_EQ(PlanShellExecute("open", project + "README.TXT", nullptr, &system),
              (Args{bin + "/xdg-open", project + "readme.txt"}));
    EXPECT_EQ(PlanShellExecute("open", project + "bin\\tool.sh", nullptr, &system),
              (Args{bin + "/xdg-open", project + "bin/tool.sh"}));
}

TEST_F(ShellTest, WebAddressesOpenAsAddresses) {
    EXPECT_EQ(PlanShellExecute("open", "www.example.com", nullptr, &system),
              (Args{bin + "/xdg-open", "http://www.example.com"}));
    EXPECT_EQ(PlanShellExecute(nullptr, "https://example.com/a?b=c", "x", &system),
              (Args{bin + "/xdg-open", "https://example.com/a?b=c"}));
}

TEST_F(ShellTest, WithoutAnyOpenerNothingIsPlanned) {
    ::setenv("PATH", bin.c_str(), 1);
    ::unlink((bin + "/xdg-open").c_str());
    EXPECT_TRUE(PlanShellExecute("open", project + "readme.txt", nullptr, &system).empty());
    EXPECT_FALSE(platform::wx::SpawnDetached({}));
}

bool WaitForFile(const std::string& path) {
    for (int i = 0; i < 500; ++i) {
        if (::access(path.c_str(), F_OK) == 0) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return false;
}

TEST_F(ShellTest, SpawnedProgramsRunOnWithoutTheCallerWaitingOrReaping) {
    const std::string go = root + "/go", out = root + "/out";
    // The program cannot finish before the caller acts, so a caller that
    // waited for it would never get here.
    WriteFile(project + "bin/wait.sh",
              "#!/bin/sh\nwhile [ ! -e '" + go +
                  "' ]; do sleep 0.02; done\nprintf '%s|' \"$@\" > '" + out + ".tmp'\nmv '" + out +
                  ".tmp' '" + out + "'\n",
              true);
    ASSERT_TRUE(platform::wx::SpawnDetached({project + "bin/wait.sh", "a b", "c"}));
    WriteFile(go, "", false);
    ASSERT_TRUE(WaitForFile(out));
    EXPECT_EQ(ReadFile(out), "a b|c|");
    // Nothing of ours is left to reap.
    int status;
    EXPECT_EQ(::waitpid(-1, &status, WNOHANG), -1);
    EXPECT_EQ(errno, ECHILD);
}

TEST_F(ShellTest, ServicesOpenThroughTheDesktopOpener) {
    platform::wx::WxServices services("velomar");
    platform::Install(platform::Platform{nullptr, nullptr, &services, &system});
    services.ShellExecuteFile(nullptr, "open", "www.example.com", nullptr);
    services.ShellExecuteFile(nullptr, "open", project + "README.txt", nullptr);
    platform::Install(platform::Platform{});
    ASSERT_TRUE(WaitForFile(opened));
    for (int i = 0; i < 250 && ReadFile(opened).find("readme") == std::string::npos; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    const std::string text = ReadFile(opened);
    EXPECT_NE(text.find("http://www.example.com\n"), std::string::npos) << text;
    EXPECT_NE(text.find(project + "readme.txt\n"), std::string::npos) << text;
}

TEST(CanberraPlayerTest, NothingThatIsNotAFilePlays) {
    platform::wx::CanberraPlayer player;
    EXPECT_FALSE(player.Play("/nonexistent/velomar/start.wav"));
    EXPECT_FALSE(player.Play("/tmp"));
    EXPECT_FALSE(player.Play(""));
}

}  // namespace
