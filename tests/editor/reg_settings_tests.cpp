// The editor's settings store on a temporary file, through the two operations
// the editor calls: defaults written back, values on disk, a damaged store.
#include <gtest/gtest.h>

#include <string>

#include "../support/project_sandbox.h"
#include "editor/reg_settings.h"

namespace {

const std::string kBase = "Software\\Harlune\\VelomarForge\\";

class RegSettingsTest : public ::testing::Test {
  protected:
    sandbox::ProjectSandbox platform;  // the store is written through the platform layer
    sandbox::TempFolder dir;
    std::string file = dir.File("store/VelomarForge.conf");
    CRegSettings reg{kBase, file};
};

TEST_F(RegSettingsTest, GetIntStoresTheFirstDefaultAndKeepsIt) {
    EXPECT_EQ(reg.GetInt("Frame Layout", "SizeX", 950), 950u);
    EXPECT_EQ(reg.GetInt("Frame Layout", "SizeX", 1), 950u);
    // A second object on the same file sees it: the value is on disk.
    CRegSettings other(kBase, file);
    EXPECT_EQ(other.GetInt("Frame Layout", "SizeX", 2), 950u);
    ASSERT_TRUE(reg.SetInt("Frame Layout", "SizeX", 0xFFFFFFFFu));
    EXPECT_EQ(other.GetInt("Frame Layout", "SizeX", 2), 0xFFFFFFFFu);
}

// Whatever is in the file, reading never fails hard: the defaults come back
// and the next write leaves a good store.
TEST_F(RegSettingsTest, DamagedStoreReadsAsEmpty) {
    const char* damaged[] = {
        "d SizeX=12\n",                      // value before any section
        "[General]\nd SizeX=12x\n",          // not a number
        "[General]\nd SizeX=99999999999\n",  // beyond 32 bits
        "[General]\ns Name=%4\n",            // cut escape
        "[General]\nb Block=abc\n",          // odd hex
        "[General]\nq Name=1\n",             // unknown kind
        "[General]\nno equals sign\n",
        "\xFF\xFE\x00garbage",
        "[%ZZ]\n",
    };
    for (const char* bytes : damaged) {
        SCOPED_TRACE(bytes);
        sandbox::WriteBytes(file, bytes);
        EXPECT_EQ(reg.GetInt("General", "SizeX", 42), 42u);
        EXPECT_EQ(reg.GetInt("General", "SizeX", 43), 42u);
    }
}

TEST(RegSettingsFileTest, StoreFileFollowsTheBaseKey) {
    EXPECT_EQ(RegSettingsFile("/home/u/.config", kBase),
              "/home/u/.config/Harlune/VelomarForge.conf");
    EXPECT_EQ(RegSettingsFile("/cfg/", "Other\\Key"), "/cfg/Other/Key.conf");
}

}  // namespace
