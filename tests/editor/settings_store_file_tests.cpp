// The editor's settings store on a temporary file: defaults written back and
// seen by the next reader; only a regular file of bounded size is read, without
// blocking; a store that is damaged or far too large is kept aside, byte for
// byte, and reads as empty.
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

TEST(SettingsStoreFileTest, GetIntStoresTheFirstDefaultAndKeepsIt) {
    sandbox::ProjectSandbox platform;
    sandbox::TempFolder dir;
    const std::string file = dir.File("store/VelomarForge.conf");
    CRegSettings reg{kBase, file};
    EXPECT_EQ(reg.GetInt("Frame Layout", "SizeX", 950), 950u);
    EXPECT_EQ(reg.GetInt("Frame Layout", "SizeX", 1), 950u);
    // A second object on the same file sees it: the value is on disk.
    CRegSettings other(kBase, file);
    EXPECT_EQ(other.GetInt("Frame Layout", "SizeX", 2), 950u);
    ASSERT_TRUE(reg.SetInt("Frame Layout", "SizeX", 0xFFFFFFFFu));
    EXPECT_EQ(other.GetInt("Frame Layout", "SizeX", 2), 0xFFFFFFFFu);

    // Whatever is in the file, reading never fails hard: the default comes back.
    const char* damaged[] = {
        "d SizeX=12\n",                      // value before any section
        "[General]\nd SizeX=99999999999\n",  // beyond 32 bits
        "[General]\ns Name=%4\n",            // cut escape
        "[General]\nb Block=abc\n",          // odd hex
        "\xFF\xFE\x00garbage",
    };
    for (const char* bytes : damaged) {
        SCOPED_TRACE(bytes);
        sandbox::WriteBytes(file, bytes);
        EXPECT_EQ(reg.GetInt("General", "SizeX", 42), 42u);
        EXPECT_EQ(reg.GetInt("General", "SizeX", 43), 42u);
    }
    EXPECT_EQ(RegSettingsFile("/home/u/.config", kBase),
              "/home/u/.config/Harlune/VelomarForge.conf");
}

}  // namespace
