// What stands where the settings store should be: only a regular file of
// bounded size is read, without blocking; a store that is damaged or far too
// large is kept aside, byte for byte, before the defaults replace it.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <string>

#include "../support/project_sandbox.h"
#include "editor/reg_settings.h"

namespace {

namespace fs = std::filesystem;

constexpr const char* kBase = "Software\\Harlune\\VelomarForge\\";

// A valid store of about `bytes` bytes with the layout values set.
std::string StoreText(std::size_t bytes) {
    std::string text = "# VelomarForge settings\n[Frame Layout]\nd SizeX=1234\n";
    for (int i = 0; text.size() < bytes; ++i) text += "s Note" + std::to_string(i) + "=text\n";
    return text;
}

TEST(SettingsStoreFileTest, OnlyABoundedRegularFileIsRead) {
    // A FIFO or a device must end in a failure, not a hang: past this, the test dies.
    ::alarm(30);
    sandbox::ProjectSandbox platform;  // the store is written through the platform layer
    sandbox::TempFolder temp;
    const std::string store = temp.File("VelomarForge.conf");
    const std::string damaged = StoreText(200) + "x broken line\n";
    const std::string huge = StoreText(9800 * 1024);
    const struct {
        const char* what;
        std::function<void()> make;
        std::uint32_t sizeX;      // what GetInt answers
        std::string keptAside;    // the bytes of store + ".damaged"; "" for none
        std::string secondAside;  // of store + ".damaged.2"
    } cases[] = {
        {"good store", [&] { sandbox::WriteBytes(store, StoreText(300)); }, 1234, "", ""},
        {"FIFO", [&] { ASSERT_EQ(::mkfifo(store.c_str(), 0600), 0); }, 950, "", ""},
        {"link to /dev/zero", [&] { fs::create_symlink("/dev/zero", store); }, 950, "", ""},
        {"folder", [&] { fs::create_directory(store); }, 950, "", ""},
        {"damaged", [&] { sandbox::WriteBytes(store, damaged); }, 950, damaged, ""},
        {"9.8 MB", [&] { sandbox::WriteBytes(store, huge); }, 950, huge, ""},
        {"damaged twice",
         [&] {
             sandbox::WriteBytes(store + ".damaged", "earlier");
             sandbox::WriteBytes(store, damaged);
         },
         950, "earlier", damaged},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        for (const auto& entry : fs::directory_iterator(temp.Path())) fs::remove_all(entry.path());
        c.make();
        CRegSettings settings(kBase, store);
        EXPECT_EQ(settings.GetInt("Frame Layout", "SizeX", 950), c.sizeX);
        EXPECT_EQ(sandbox::ReadBytes(store + ".damaged"), c.keptAside);
        EXPECT_EQ(sandbox::ReadBytes(store + ".damaged.2"), c.secondAside);
    }
    // What /dev/zero stood for was never written through.
    EXPECT_TRUE(fs::is_character_file("/dev/zero"));
    ::alarm(0);
}

// A damaged store costs only itself: the defaults that follow start a new one,
// and the values written after it are all there.
TEST(SettingsStoreFileTest, DefaultsAfterADamagedStoreAreKept) {
    sandbox::ProjectSandbox platform;
    sandbox::TempFolder temp;
    const std::string store = temp.File("VelomarForge.conf");
    sandbox::WriteBytes(store, "[General]\nd ShowIntroWizard=zero\n");
    CRegSettings settings(kBase, store);
    EXPECT_EQ(settings.GetInt("General", "ShowIntroWizard", 1), 1u);
    EXPECT_TRUE(settings.SetInt("Frame Layout", "SizeX", 800));
    std::uint32_t value = 0;
    EXPECT_TRUE(settings.ReadInt("General", "ShowIntroWizard", &value));
    EXPECT_EQ(value, 1u);
    EXPECT_TRUE(settings.ReadInt("Frame Layout", "SizeX", &value));
    EXPECT_EQ(value, 800u);
    EXPECT_EQ(sandbox::ReadBytes(store + ".damaged"), "[General]\nd ShowIntroWizard=zero\n");
}

}  // namespace
