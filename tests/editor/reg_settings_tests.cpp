// The editor's settings store on a temporary file: defaults written back, the
// three kinds of value, sections, a damaged store, an inert object.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "../support/project_sandbox.h"
#include "editor/reg_settings.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
const std::string kBase = "Software\\Harlune\\VelomarForge\\";

class RegSettingsTest : public ::testing::Test {
  protected:
    sandbox::ProjectSandbox platform;  // the store is written through the platform layer
    sandbox::TempFolder dir;
    std::string file = dir.File("store/VelomarForge.conf");
    CRegSettings reg{kBase, file};
};

TEST_F(RegSettingsTest, GetIntStoresTheFirstDefaultAndKeepsIt) {
    EXPECT_FALSE(reg.KeyExists("Frame Layout"));
    EXPECT_EQ(reg.GetInt("Frame Layout", "SizeX", 950), 950u);
    EXPECT_TRUE(reg.KeyExists("Frame Layout"));
    EXPECT_EQ(reg.GetInt("Frame Layout", "SizeX", 1), 950u);
    // A second object on the same file sees it: the value is on disk.
    CRegSettings other(kBase, file);
    EXPECT_EQ(other.GetInt("Frame Layout", "SizeX", 2), 950u);
    ASSERT_TRUE(reg.SetInt("Frame Layout", "SizeX", 0xFFFFFFFFu));
    EXPECT_EQ(other.GetInt("Frame Layout", "SizeX", 2), 0xFFFFFFFFu);
}

TEST_F(RegSettingsTest, UpdateNeedsAnExistingSectionSetCreatesIt) {
    EXPECT_FALSE(reg.UpdateInt("General", "ShowIntroWizard", 0));
    EXPECT_FALSE(reg.UpdateString("General", "Name", "x"));
    EXPECT_FALSE(reg.UpdateBlock("General", "Block", Bytes{1}));
    EXPECT_FALSE(reg.KeyExists("General"));
    std::uint32_t v = 7;
    EXPECT_FALSE(reg.ReadInt("General", "ShowIntroWizard", &v));
    EXPECT_EQ(v, 7u);

    ASSERT_TRUE(reg.SetInt("General", "ShowIntroWizard", 1));
    EXPECT_TRUE(reg.UpdateInt("General", "ShowIntroWizard", 0));
    ASSERT_TRUE(reg.ReadInt("General", "ShowIntroWizard", &v));
    EXPECT_EQ(v, 0u);
}

// Texts and blocks keep every byte, including the store's own syntax characters.
TEST_F(RegSettingsTest, TextsAndBlocksRoundTrip) {
    const std::string text = "a=b [c] %41\n\r\x01 \xE9 end";
    const Bytes block{0, 1, 0xFF, '=', '\n', '%'};
    ASSERT_TRUE(reg.SetString("Odd [Section] = %", "na=me\n", text));
    ASSERT_TRUE(reg.SetBlock("Odd [Section] = %", "block", block));

    CRegSettings other(kBase, file);
    std::string readText;
    Bytes readBlock;
    ASSERT_TRUE(other.ReadString("Odd [Section] = %", "na=me\n", &readText));
    EXPECT_EQ(readText, text);
    ASSERT_TRUE(other.ReadBlock("Odd [Section] = %", "block", block.size(), &readBlock));
    EXPECT_EQ(readBlock, block);
    EXPECT_FALSE(other.ReadBlock("Odd [Section] = %", "block", block.size() + 1, &readBlock));
    EXPECT_EQ(other.GetString("Odd [Section] = %", "na=me\n", "default"), text);
    EXPECT_EQ(other.GetBlock("Odd [Section] = %", "block", Bytes(6, 9)), block);
}

TEST_F(RegSettingsTest, GetStringAndGetBlockStoreDefaults) {
    EXPECT_EQ(reg.GetString("General", "Last", "first"), "first");
    EXPECT_EQ(reg.GetString("General", "Last", "second"), "first");
    EXPECT_EQ(reg.GetBlock("General", "Block", Bytes{1, 2}), (Bytes{1, 2}));
    EXPECT_EQ(reg.GetBlock("General", "Block", Bytes{3, 4}), (Bytes{1, 2}));
    // A block of another size counts as missing and is replaced.
    EXPECT_EQ(reg.GetBlock("General", "Block", Bytes{5, 6, 7}), (Bytes{5, 6, 7}));
    EXPECT_FALSE(reg.SetString("General", "Long", std::string(CRegSettings::MAX_TEXT + 1, 'x')));
}

// Any value of at most four bytes is a number; a longer one is replaced by the default.
TEST_F(RegSettingsTest, GetIntTakesShortDataWhateverItsType) {
    ASSERT_TRUE(reg.SetString("General", "Short", "ab"));
    EXPECT_EQ(reg.GetInt("General", "Short", 5), 0x6261u);
    ASSERT_TRUE(reg.SetBlock("General", "Long", Bytes{1, 2, 3, 4, 5}));
    EXPECT_EQ(reg.GetInt("General", "Long", 5), 5u);
    std::uint32_t v = 0;
    ASSERT_TRUE(reg.ReadInt("General", "Long", &v));
    EXPECT_EQ(v, 5u);
}

TEST_F(RegSettingsTest, DeleteValueAndKey) {
    ASSERT_TRUE(reg.SetInt("", "AtBase", 1));
    ASSERT_TRUE(reg.SetInt("Frame Layout", "SizeX", 1));
    ASSERT_TRUE(reg.SetInt("Frame Layout\\Inner", "SizeX", 1));
    ASSERT_TRUE(reg.SetInt("Frame Layout Other", "SizeX", 1));
    EXPECT_TRUE(reg.DeleteValue("AtBase"));
    EXPECT_FALSE(reg.DeleteValue("AtBase"));
    EXPECT_TRUE(reg.DeleteKey("Frame Layout"));
    EXPECT_FALSE(reg.KeyExists("Frame Layout"));
    EXPECT_FALSE(reg.KeyExists("Frame Layout\\Inner"));
    EXPECT_TRUE(reg.KeyExists("Frame Layout Other"));
    EXPECT_FALSE(reg.DeleteKey("Frame Layout"));
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

TEST(RegSettingsInertTest, WithoutBaseOrFileEverythingFails) {
    CRegSettings reg("", "");
    EXPECT_FALSE(reg.Valid);
    EXPECT_EQ(reg.GetInt("General", "X", 3), 3u);
    EXPECT_EQ(reg.GetString("General", "X", "d"), "d");
    EXPECT_FALSE(reg.SetInt("General", "X", 1));
    EXPECT_FALSE(reg.KeyExists("General"));
}

TEST(RegSettingsFileTest, StoreFileFollowsTheBaseKey) {
    EXPECT_EQ(RegSettingsFile("/home/u/.config", kBase),
              "/home/u/.config/Harlune/VelomarForge.conf");
    EXPECT_EQ(RegSettingsFile("/cfg/", "Other\\Key"), "/cfg/Other/Key.conf");
}

}  // namespace
