#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <optional>
#include <string>

#include "platform/posix/posix_system.h"
#include "settings_support.h"

namespace settings_test {
namespace {

namespace fs = std::filesystem;

TEST(LanguageName, LocaleNamesMapToWindowsEnglishNames) {
    struct {
        const char* locale;
        const char* name;
    } cases[] = {
        {"de_DE.UTF-8", "German"}, {"fr_FR", "French"},          {"pt_BR.utf8", "Portuguese"},
        {"nb_NO", "Norwegian"},    {"zh_CN.GB18030", "Chinese"}, {"DE_de", "German"},
        {"sv@euro", "Swedish"},    {"en_GB", "English"},         {"C", "English"},
        {"C.UTF-8", "English"},    {"POSIX", "English"},         {"", "English"},
        {"xx_YY", "English"},      {"deu", "English"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(platform::LanguageNameForLocale(c.locale), c.name) << c.locale;
    }
}

// Sets the locale variables for one test and puts them back afterwards.
class LocaleEnvironment {
  public:
    LocaleEnvironment() {
        for (int i = 0; i < 3; ++i) {
            const char* value = getenv(kNames[i]);
            if (value) saved_[i] = value;
        }
    }
    ~LocaleEnvironment() {
        for (int i = 0; i < 3; ++i) Set(kNames[i], saved_[i] ? saved_[i]->c_str() : nullptr);
    }
    static void Set(const char* name, const char* value) {
        if (value) {
            setenv(name, value, 1);
        } else {
            unsetenv(name);
        }
    }

  private:
    static constexpr const char* kNames[3] = {"LC_ALL", "LC_MESSAGES", "LANG"};
    std::optional<std::string> saved_[3];
};

TEST(LanguageName, EnvironmentPrecedence) {
    LocaleEnvironment environment;
    platform::PosixSystem system;
    std::string name;
    auto language = [&](const char* all, const char* messages, const char* lang) {
        LocaleEnvironment::Set("LC_ALL", all);
        LocaleEnvironment::Set("LC_MESSAGES", messages);
        LocaleEnvironment::Set("LANG", lang);
        EXPECT_TRUE(system.GetSystemLanguageName(&name));
        return name;
    };
    EXPECT_EQ(language("it_IT", "fr_FR", "de_DE"), "Italian");
    EXPECT_EQ(language("", "fr_FR", "de_DE"), "French");  // empty means unset
    EXPECT_EQ(language(nullptr, nullptr, "de_DE.UTF-8"), "German");
    EXPECT_EQ(language(nullptr, nullptr, nullptr), "English");
    EXPECT_EQ(language("C", nullptr, "de_DE"), "English");
}

class PosixPathsTest : public ::testing::Test {
  protected:
    void Touch(const std::string& name) { WriteBytes(folder.File(name), name); }
    platform::PosixSystem system;
    TempFolder folder;
};

TEST_F(PosixPathsTest, StoredNamesResolveWithoutRegardToCase) {
    fs::create_directories(folder.File("Res/Sub"));
    Touch("Res/Logo.BMP");
    const std::string base = folder.Path();
    EXPECT_EQ(system.RealPath(base + "Res\\Logo.BMP"), base + "Res/Logo.BMP");
    EXPECT_EQ(system.RealPath(base + "res\\logo.bmp"), base + "Res/Logo.BMP");
    EXPECT_EQ(system.RealPath(base + "RES\\SUB\\"), base + "Res/Sub/");
    // A missing file keeps its name; the folders before it are still resolved.
    EXPECT_EQ(system.RealPath(base + "res\\New.bmp"), base + "Res/New.bmp");
    EXPECT_EQ(system.RealPath(base + "nothere\\res\\x"), base + "nothere/res/x");
    EXPECT_EQ(system.RealPath("relative\\name.txt"), "relative/name.txt");
}

TEST_F(PosixPathsTest, ExactNameWinsThenTheFirstInByteOrder) {
    Touch("a.txt");
    Touch("A.txt");
    Touch("B.TXT");
    Touch("b.txt");
    EXPECT_EQ(system.RealPath(folder.File("a.txt")), folder.File("a.txt"));
    EXPECT_EQ(system.RealPath(folder.File("A.txt")), folder.File("A.txt"));
    EXPECT_EQ(system.RealPath(folder.File("b.Txt")), folder.File("B.TXT"));
}

TEST_F(PosixPathsTest, FilesAndFolders) {
    Touch("file");
    fs::create_directory(folder.File("dir"));
    EXPECT_TRUE(system.FileExists(folder.File("file")));
    EXPECT_FALSE(system.FileExists(folder.File("dir")));
    EXPECT_FALSE(system.FileExists(folder.File("missing")));
    EXPECT_EQ(system.PathSeparator(), '/');

    std::string cwd;
    ASSERT_TRUE(system.GetCurrentDir(&cwd));
    EXPECT_EQ(cwd, fs::current_path().string());
}

TEST_F(PosixPathsTest, ReplaceFile) {
    WriteBytes(folder.File("new"), "new content");
    WriteBytes(folder.File("old"), "old content");
    ASSERT_TRUE(system.ReplaceFile(folder.File("new"), folder.File("old")));
    EXPECT_EQ(ReadBytes(folder.File("old")), "new content");
    EXPECT_FALSE(fs::exists(folder.File("new")));

    EXPECT_FALSE(system.ReplaceFile(folder.File("missing"), folder.File("old")));
    fs::create_directories(folder.File("dir/inside"));
    WriteBytes(folder.File("new"), "x");
    EXPECT_FALSE(system.ReplaceFile(folder.File("new"), folder.File("dir")));
    EXPECT_EQ(ReadBytes(folder.File("old")), "new content");
}

}  // namespace
}  // namespace settings_test
