// What users type that the editor once took wrongly: an https:// address for
// Goto WEB Site, and a path typed into New Project's name.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../support/project_sandbox.h"
#include "editor/dialogs/hyperlink_form.h"
#include "editor/new_project_path.h"

namespace {

// A link stored as Goto WEB Site opens again as one, whatever the scheme.
TEST(TypedInputTest, WebAddressesReopenAsWebLinks) {
    sandbox::ProjectSandbox box;
    auto project = box.NewProject();
    const struct {
        const char* address;
        LinkAction reopened;
    } cases[] = {
        {"https://example.org/menu", LinkAction::WebSite},
        {"HTTPS:\\\\example.org", LinkAction::WebSite},
        {"http://example.org/", LinkAction::WebSite},
        {"httpsfolder", LinkAction::OpenFolder},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.address);
        HyperlinkForm form;
        project->Settings->NumberOfHotSpots = 1;
        form.ClickAction(LinkAction::WebSite);
        form.dataA = c.address;
        form.label = "Site";
        form.x = form.y = "10";
        form.fontSize = "16";
        form.textColour = form.hiliteColour = "0x000000";
        ASSERT_TRUE(form.Store(*project, 0));
        HyperlinkForm reopened;
        ASSERT_TRUE(reopened.Load(*project, 0));
        EXPECT_EQ(reopened.action, c.reopened);
        EXPECT_EQ(reopened.dataA, c.address);
    }
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
        EXPECT_EQ(box.services.messages,
                  c.accepted ? std::vector<std::string>{}
                             : std::vector<std::string>{NAME_HAS_SEPARATOR});
    }
}

}  // namespace
