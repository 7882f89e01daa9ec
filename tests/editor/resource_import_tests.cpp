// Copying chosen files into the project and naming them: real files in a
// scratch folder, messages read from the recording message box.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "../support/project_sandbox.h"
#include "editor/dialogs/resource_import.h"

namespace {

namespace fs = std::filesystem;
using namespace sandbox;
using Messages = std::vector<std::string>;

const std::string kCannotCreate = "Failed to create the file in the project directory!";

// Everything in a folder, as name=content lines, so a stray file shows.
std::string FolderContent(const std::string& folder) {
    std::vector<std::string> lines;
    for (const auto& e : fs::directory_iterator(folder))
        lines.push_back(e.path().filename().string() + "=" +
                        (e.is_directory() ? "<dir>" : ReadBytes(e.path().string())));
    std::sort(lines.begin(), lines.end());
    std::string out;
    for (const auto& l : lines) out += l + "\n";
    return out;
}

class ResourceImport : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::create_directory(box.folder.File("res"));
        WriteBytes(outside.File("logo.bmp"), "new picture");
    }
    std::string Res(const std::string& name = "") const { return box.folder.File("res/" + name); }

    ProjectSandbox box;
    TempFolder outside;
};

TEST_F(ResourceImport, CopyFileToFolder) {
    WriteBytes(Res("logo.bmp"), "old picture");
    WriteBytes(Res("logo.bmp.tmp0"), "someone else's");  // never truncated
    const std::string missing = outside.File("none.bmp");
    const struct {
        std::string source, folder;
        bool ok;
        Messages messages;
        std::string resContent;
    } cases[] = {
        {outside.File("logo.bmp"),
         Res(),
         true,
         {},
         "logo.bmp.tmp0=someone else's\nlogo.bmp=new picture\n"},
        {Res("logo.bmp"), Res(), true, {}, "logo.bmp.tmp0=someone else's\nlogo.bmp=new picture\n"},
        {missing, Res(), false, {"Failed to open the specified file:\n" + missing}, ""},
        {outside.Path(),
         Res(),
         false,
         {"Failed to open the specified file:\n" + outside.Path()},
         ""},
        {"", Res(), false, {"Failed to open the specified file:\n"}, ""},
        {outside.File("logo.bmp"), box.folder.File("gone"), false, {kCannotCreate}, ""},
    };
    for (const auto& c : cases) {
        box.services.messages.clear();
        EXPECT_EQ(CopyFileToFolder(c.source, c.folder), c.ok) << c.source;
        EXPECT_EQ(box.services.messages, c.messages) << c.source;
        if (!c.resContent.empty()) {
            EXPECT_EQ(FolderContent(Res()), c.resContent) << c.source;
        }
    }
    EXPECT_FALSE(fs::exists(box.folder.File("gone")));

    // Only the native separator ends a folder on POSIX.
    const std::string cwd = fs::current_path().string();
    fs::current_path(outside.Path());
    WriteBytes(outside.File("C:\\art\\a.bmp"), "x");
    box.services.messages.clear();
    EXPECT_FALSE(CopyFileToFolder("C:\\art\\a.bmp", Res()));
    fs::current_path(cwd);
    EXPECT_EQ(box.services.messages, Messages{"Failed to obtain file name!"});
}

TEST_F(ResourceImport, AFailedReadLeavesTheOldFileAndNoPartOfTheNew) {
    WriteBytes(Res("mem"), "old");
    // Reading process memory at offset 0 fails after the file opened.
    EXPECT_FALSE(CopyFileToFolder("/proc/self/mem", Res()));
    EXPECT_EQ(box.services.messages,
              Messages{"Failed to open the specified file:\n/proc/self/mem"});
    EXPECT_EQ(FolderContent(Res()), "mem=old\n");
}

TEST_F(ResourceImport, ImportNamesAndCopies) {
    const std::string inProject = box.folder.File("res/logo.bmp");
    WriteBytes(inProject, "project copy");
    const struct {
        std::string text;
        bool ok;
        std::string name;
        std::string projectCopy;  // res/logo.bmp afterwards
    } cases[] = {
        {"res\\logo.bmp", true, "res\\logo.bmp", "project copy"},
        {"RES\\intro.wav", true, "res\\intro.wav", "project copy"},  // not copied, not checked
        {"res\\sub\\a.bmp", true, "res\\a.bmp", "project copy"},
        {inProject, true, "res\\logo.bmp", "project copy"},  // onto itself: no work
        {outside.File("logo.bmp"), true, "res\\logo.bmp", "new picture"},
        {"res\\", false, "", "new picture"},
        {outside.File("none.bmp"), false, "", "new picture"},
    };
    for (const auto& c : cases) {
        std::string name = "unchanged";
        EXPECT_EQ(ImportResource(c.text, box.folder.Path(), &name), c.ok) << c.text;
        EXPECT_EQ(name, c.ok ? c.name : "unchanged") << c.text;
        EXPECT_EQ(ReadBytes(inProject), c.projectCopy) << c.text;
    }
    EXPECT_FALSE(fs::exists(Res("intro.wav")));

    // The folder may be named in any case; without one every outside import fails.
    fs::rename(Res(), box.folder.File("RES"));
    std::string name;
    EXPECT_TRUE(ImportResource(outside.File("logo.bmp"), box.folder.Path(), &name));
    fs::remove_all(box.folder.File("RES"));
    box.services.messages.clear();
    EXPECT_FALSE(ImportResource(outside.File("logo.bmp"), box.folder.Path(), &name));
    EXPECT_EQ(box.services.messages, Messages{kCannotCreate});
}

TEST_F(ResourceImport, DialogPathsOfStoredNames) {
    WriteBytes(Res("Logo.BMP"), "x");
    EXPECT_EQ(ProjectFilePath(box.folder.Path(), "res\\logo.bmp"), Res("Logo.BMP"));
    EXPECT_EQ(FieldFilePath(box.folder.Path(), "RES\\LOGO.bmp"), Res("Logo.BMP"));
    EXPECT_EQ(FieldFilePath(box.folder.Path(), "/elsewhere/a.bmp"), "/elsewhere/a.bmp");
}

}  // namespace
