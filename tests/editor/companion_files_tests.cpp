// Where the companion files are found, and the guide's address with a topic.
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

// The browser first; when none starts, the document itself, without topic.
TEST(CompanionFilesTest, ShowHelpFallsBackToTheDocument) {
    platform::HeadlessPlatform host;
    std::vector<std::string> urls;
    for (bool browserStarts : {true, false}) {
        host.services.shellCalls.clear();
        ShowHelp("/opt/vf/", "_Audio", [&](const std::string& url) {
            urls.push_back(url);
            return browserStarts;
        });
        ASSERT_EQ(host.services.shellCalls.size(), browserStarts ? 0u : 1u);
    }
    EXPECT_EQ(urls.size(), 2u);
    EXPECT_EQ(host.services.shellCalls[0].verb, "open");
    EXPECT_EQ(host.services.shellCalls[0].file, "/opt/vf/VelomarForge User Guide.htm");
}

}  // namespace
