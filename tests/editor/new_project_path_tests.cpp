// The New Project dialog's path rules: following mode, parent mode, Browse,
// and the name that must stay one folder.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../support/project_sandbox.h"
#include "editor/new_project_path.h"

namespace {

struct Step {
    char kind;  // 'n' name typed, 'l' location typed, 'b' folder browsed
    std::string text;
};

struct Case {
    const char* what;
    std::vector<Step> steps;
    std::string location, result;
};

TEST(NewProjectPathTest, Rules) {
    const Case cases[] = {
        {"opening", {}, "C:\\Tools\\Projects\\Project1", "C:\\Tools\\Projects\\Project1"},
        {"name follows",
         {{'n', "D"}, {'n', "De"}, {'n', "Demo"}},
         "C:\\Tools\\Projects\\Demo",
         "C:\\Tools\\Projects\\Demo"},
        {"typed location is the parent",
         {{'l', "D:\\CD"}, {'n', "Demo"}},
         "D:\\CD",
         "D:\\CD\\Demo"},
        {"typed location with separator",
         {{'l', "D:\\CD\\"}, {'n', "Demo"}},
         "D:\\CD\\",
         "D:\\CD\\Demo"},
        {"browse to a root", {{'n', "Demo"}, {'l', "X:\\"}, {'b', "E:\\"}}, "E:\\Demo", "E:\\Demo"},
        {"browse returns to following",
         {{'b', "E:\\Menus"}, {'n', "Summer"}},
         "E:\\Menus\\Summer",
         "E:\\Menus\\Summer"},
        // After the name was cleared, the parent stays: only the name changes.
        {"cleared then retyped",
         {{'n', ""}, {'n', "N"}, {'n', "New"}},
         "C:\\Tools\\Projects\\New",
         "C:\\Tools\\Projects\\New"},
        {"cleared name", {{'n', ""}}, "C:\\Tools\\Projects\\", "C:\\Tools\\Projects\\"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        NewProjectPath path;
        path.Separator = '\\';
        path.Open("C:\\Tools\\Projects");
        for (const Step& s : c.steps) {
            if (s.kind == 'n') path.NameChanged(s.text);
            if (s.kind == 'l') path.LocationTyped(s.text);
            if (s.kind == 'b') path.Browsed(s.text);
        }
        EXPECT_EQ(path.Location, c.location);
        EXPECT_EQ(path.ProjectFolder(), c.result);
    }
}

TEST(NewProjectPathTest, FollowingModeWithoutSeparatorKeepsLocation) {
    NewProjectPath path;
    path.Location = "plain";
    path.NameChanged("Demo");
    EXPECT_EQ(path.Location, "plain");
    EXPECT_EQ(path.ProjectFolder(), "plain");
}

TEST(NewProjectPathTest, DefaultFolderInDocuments) {
    EXPECT_EQ(DefaultProjectsFolder("/home/u/Documents", '/'),
              "/home/u/Documents/Velomar Projects");
    EXPECT_EQ(DefaultProjectsFolder("/home/u/Documents/", '/'),
              "/home/u/Documents/Velomar Projects");
    NewProjectPath path;
    path.Open(DefaultProjectsFolder("/d", '/'));
    EXPECT_EQ(path.ProjectFolder(), "/d/Velomar Projects/Project1");
}

// Typed one key at a time, as the dialog sees it: the result is always the
// location's parent plus the name, and OK refuses a name with a separator.
TEST(TypedInputTest, NewProjectNameIsOneFolderBelowTheLocation) {
    sandbox::ProjectSandbox box;
    const std::string accidental = "/home/u/Documents/Velomar Projects/x/y/z";
    const struct {
        const char* what;
        std::string name;
        std::string folder;
        bool accepted;
    } cases[] = {
        {"plain", "Demo", "/d/Demo", true},
        {"a/b", "a/b", "/d/a/b", false},
        {"a path by accident", accidental, "/d/" + accidental, false},
        {"backslash", "a\\b", "/d/a\\b", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        box.services.messages.clear();
        NewProjectPath path;
        path.Open("/d");
        path.NameChanged("");
        for (std::size_t n = 1; n <= c.name.size(); ++n) path.NameChanged(c.name.substr(0, n));
        EXPECT_EQ(path.ProjectFolder(), c.folder);
        EXPECT_EQ(path.CheckName(), c.accepted);
        EXPECT_EQ(box.services.messages, c.accepted ? std::vector<std::string>{}
                                                    : std::vector<std::string>{NAME_HAS_SEPARATOR});
    }
}

}  // namespace
