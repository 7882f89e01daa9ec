// The headless platform bundle: what it installs, the fixed language name, and
// that it leaves nothing dangling behind.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/headless/headless_platform.h"
#include "platform/platform.h"

namespace {

TEST(HeadlessPlatform, InstallsItsOwnPiecesAndUninstallsThem) {
    {
        platform::HeadlessPlatform host;
        const platform::Platform& current = platform::Current();
        EXPECT_EQ(current.graphics, &host.graphics);
        EXPECT_EQ(current.windows, &host.windows);
        EXPECT_EQ(current.services, &host.services);
        EXPECT_EQ(current.system, &host.system);
        platform::Trace("step %d\n", 3);
        ASSERT_EQ(host.services.traces.size(), 1u);
        EXPECT_EQ(host.services.traces[0], "step 3\n");
    }
    EXPECT_EQ(platform::Current().windows, nullptr);
    EXPECT_EQ(platform::Current().services, nullptr);
}

TEST(HeadlessPlatform, LaterBundleStaysInstalledWhenEarlierGoes) {
    auto first = std::make_unique<platform::HeadlessPlatform>();
    platform::HeadlessPlatform second;
    first.reset();
    EXPECT_EQ(platform::Current().windows, &second.windows);
}

TEST(HeadlessPlatform, LanguageIsFixedWhateverTheLocale) {
    std::string name;
    {
        platform::HeadlessPlatform host;
        ASSERT_TRUE(platform::Current().system->GetSystemLanguageName(&name));
        EXPECT_EQ(name, "English");
    }
    platform::HeadlessOptions german;
    german.language = "German";
    {
        platform::HeadlessPlatform host(german);
        ASSERT_TRUE(host.system.GetSystemLanguageName(&name));
        EXPECT_EQ(name, "German");
        host.system.SetLanguage("");
        EXPECT_FALSE(host.system.GetSystemLanguageName(&name));
    }
}

TEST(HeadlessPlatform, OptionsShapeScreenAndCursor) {
    platform::HeadlessOptions editor;
    editor.screen = {800, 600};
    editor.hasHandCursor = false;
    platform::HeadlessPlatform host(editor);
    EXPECT_EQ(host.windows.GetScreenSize(), (platform::Size{800, 600}));
    EXPECT_FALSE(host.windows.SetHandCursor());
    // The rest of System is the real one.
    EXPECT_EQ(host.system.PathSeparator(), '/');
    EXPECT_TRUE(host.system.FileExists(VELOMAR_SOURCE_DIR "/CMakeLists.txt"));
}

}  // namespace
