// Where the companion files are found, the guide's address with a topic, and
// the program of a ".htm" association's open command (the Windows editor's Help).
#include <gtest/gtest.h>

#include <filesystem>

#include "../support/project_sandbox.h"
#include "editor/companion_files.h"
#include "platform/headless/headless_platform.h"

namespace {

namespace fs = std::filesystem;

TEST(CompanionFilesTest, StartFolderIsBesideTheProgramOrInShare) {
    sandbox::TempFolder temp;
    fs::create_directories(temp.File("build/bin"));
    fs::create_directories(temp.File("usr/bin"));
    fs::create_directories(temp.File("usr/share/velomar"));
    sandbox::WriteBytes(temp.File("build/bin/Velomar.exe"), "MZ");
    sandbox::WriteBytes(temp.File("usr/share/velomar/VelomarForge User Guide.htm"), "<html>");

    EXPECT_EQ(FindStartFolder(temp.File("build/bin")), temp.File("build/bin/"));
    EXPECT_EQ(FindStartFolder(temp.File("usr/bin/")), temp.File("usr/share/velomar/"));
    fs::remove_all(temp.File("usr/share"));
    EXPECT_EQ(FindStartFolder(temp.File("usr/bin")), temp.File("usr/bin/"));
}

TEST(CompanionFilesTest, GuideAddressCarriesTheTopic) {
    const struct {
        const char* folder;
        const char* topic;
        const char* url;
    } cases[] = {
        {"/opt/vf/", "", "file:///opt/vf/VelomarForge%20User%20Guide.htm"},
        {"/opt/vf", "_Audio", "file:///opt/vf/VelomarForge%20User%20Guide.htm#_Audio"},
        {"/", "_Bitmaps_&_Logos", "file:///VelomarForge%20User%20Guide.htm#_Bitmaps_&_Logos"},
        {"/a b/ü#", "_Creating_a_New",
         "file:///a%20b/%C3%BC%23/VelomarForge%20User%20Guide.htm#_Creating_a_New"},
    };
    for (const auto& c : cases) EXPECT_EQ(UserGuideUrl(c.folder, c.topic), c.url);
}

// The address at its topic first; when the shell fails on it, the document
// itself; when that fails too, one message that says what to install.
TEST(CompanionFilesTest, ShowHelpFallsBackToTheDocumentThenSaysWhatToInstall) {
    const std::string url = "file:///opt/vf/VelomarForge%20User%20Guide.htm#_Audio";
    const std::string path = "/opt/vf/VelomarForge User Guide.htm";
    const struct {
        int failures;
        std::vector<std::string> opened;
        std::vector<std::string> messages;
    } cases[] = {
        {0, {url}, {}},
        {1, {url, path}, {}},
        {2, {url, path}, {HelpNotOpenedMessage(path)}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.failures);
        platform::HeadlessPlatform host;
        host.services.shellFailures = c.failures;
        ShowHelp("/opt/vf/", "_Audio");
        std::vector<std::string> opened;
        for (const auto& call : host.services.shellCalls) {
            EXPECT_EQ(call.verb, "open");
            opened.push_back(call.file);
        }
        EXPECT_EQ(opened, c.opened);
        EXPECT_EQ(host.services.messages, c.messages);
    }
    EXPECT_NE(HelpNotOpenedMessage(path).find("xdg-utils"), std::string::npos);
}

TEST(HelpAssociationTest, ProgramIsTheQuotedPathAtTheStart) {
    const struct {
        const char* command;
        const char* program;
    } cases[] = {
        {R"("C:\Program Files\Web\browser.exe" %1)", R"(C:\Program Files\Web\browser.exe)"},
        {R"("C:\Web\browser.exe" -osint -url "%1")", R"(C:\Web\browser.exe)"},
        {R"("C:\Web\browser.exe")", R"(C:\Web\browser.exe)"},
        {R"(C:\Web\browser.exe "%1")", ""},  // not quoted at the start
        {R"("C:\Web\browser.exe %1)", ""},   // never closed
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(QuotedProgram(c.command), c.program) << c.command;
}

}  // namespace
