#include <gtest/gtest.h>

#include <optional>

#include "../support/project_sandbox.h"

namespace {

using namespace sandbox;

TEST(LanguageName, LocaleNamesMapToWindowsEnglishNamesAndTheEnvironmentsPrecedence) {
    const struct {
        const char* locale;
        const char* name;
    } cases[] = {
        {"de_DE.UTF-8", "German"}, {"pt_BR.utf8", "Portuguese"}, {"nb_NO", "Norwegian"},
        {"DE_de", "German"},       {"sv@euro", "Swedish"},       {"C.UTF-8", "English"},
        {"", "English"},           {"xx_YY", "English"},         {"deu", "English"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(platform::LanguageNameForLocale(c.locale), c.name) << c.locale;

    const char* names[] = {"LC_ALL", "LC_MESSAGES", "LANG"};
    std::optional<std::string> saved[3];
    for (int i = 0; i < 3; ++i)
        if (const char* value = getenv(names[i])) saved[i] = value;
    auto set = [&](int i, const char* v) { v ? setenv(names[i], v, 1) : unsetenv(names[i]); };
    auto language = [&](const char* all, const char* messages, const char* lang) {
        int i = 0;
        for (const char* value : {all, messages, lang}) set(i++, value);
        std::string name;
        EXPECT_TRUE(platform::PosixSystem().GetSystemLanguageName(&name));
        return name;
    };
    EXPECT_EQ(language("it_IT", "fr_FR", "de_DE"), "Italian");
    EXPECT_EQ(language("", "fr_FR", "de_DE"), "French");  // empty means unset
    EXPECT_EQ(language("C", nullptr, "de_DE"), "English");
    for (int i = 0; i < 3; ++i) set(i, saved[i] ? saved[i]->c_str() : nullptr);
}

TEST(PosixPaths, StoredNamesResolveWithoutRegardToCaseAndFilesAreReplaced) {
    TempFolder folder;
    fs::create_directories(folder.File("Res/Sub"));
    for (const char* name : {"Res/Logo.BMP", "A.txt", "a.txt", "B.TXT", "b.txt"})
        WriteBytes(folder.File(name), name);
    const std::string base = folder.Path();
    platform::PosixSystem system;
    EXPECT_EQ(system.RealPath(base + "res\\logo.bmp"), base + "Res/Logo.BMP");
    // A missing name is kept; the folders before it are still resolved.
    EXPECT_EQ(system.RealPath(base + "RES\\SUB\\New.bmp"), base + "Res/Sub/New.bmp");
    // The exact name wins, then the first in byte order.
    EXPECT_EQ(system.RealPath(base + "a.txt"), base + "a.txt");
    EXPECT_EQ(system.RealPath(base + "b.Txt"), base + "B.TXT");

    WriteBytes(folder.File("new"), "new content");
    fs::create_directories(folder.File("dir/inside"));
    EXPECT_TRUE(system.FileExists(folder.File("new")));
    EXPECT_FALSE(system.FileExists(folder.File("dir")));
    ASSERT_TRUE(system.ReplaceFile(folder.File("new"), folder.File("old")));
    EXPECT_EQ(ReadBytes(folder.File("old")), "new content");
    EXPECT_FALSE(system.ReplaceFile(folder.File("new"), folder.File("old")));
    WriteBytes(folder.File("new"), "x");
    EXPECT_FALSE(system.ReplaceFile(folder.File("new"), folder.File("dir")));
}

}  // namespace
