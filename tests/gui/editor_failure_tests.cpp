// The frame when the disc says no: a project that cannot be saved keeps its
// edit (tree, "*", Save, the question at close, which then keeps the editor
// open). The session's part is in tests/editor/unsaved_edit_tests.cpp.
#include <wx/treectrl.h>

#include "editor/wx/hyperlink_dlg.h"
#include "editor/wx/tree_view.h"
#include "editor_fixture.h"

using namespace editor_test;
using platform::MessageAnswer;

namespace {

class FailureTest : public EditorTest {
  protected:
    void SetUp() override {
        EditorTest::SetUp();
        NoWizard();
        Start();
        OpenSample();
        services.messages.clear();
    }
    wxTreeItemId Links() {
        wxTreeCtrl* tree = frame->TreeView->Tree();
        wxTreeItemIdValue cookie;
        wxTreeItemId c = tree->GetFirstChild(tree->GetRootItem(), cookie);
        for (int i = 0; i < 2; ++i) c = tree->GetNextChild(tree->GetRootItem(), cookie);
        return c;
    }
    std::size_t LinkNodes() { return frame->TreeView->Tree()->GetChildrenCount(Links(), false); }
};

// A folder where AppSetup.dat was makes every save fail, even as root.
TEST_F(FailureTest, FailedSaveKeepsTheEditAndTheQuestion) {
    const std::string settings = temp.File("sample/AppSetup.dat");
    fs::remove(settings);
    fs::create_directory(settings);
    const std::string failed = "Failed to create the INI file!\n";
    const std::size_t links = LinkNodes();

    OnModal<CHyperlinkPropertiesDlg> link([](CHyperlinkPropertiesDlg* d) {
        d->LabelEdit->SetValue("Read me");
        EXPECT_TRUE(PressOk(d));
    });
    ASSERT_TRUE(frame->TreeView->InsertNewItem(Links()));
    PumpFor(300);  // the queued refresh saves, fails, and shows the record in memory
    EXPECT_EQ(services.messages, Messages{failed});
    EXPECT_EQ(LinkNodes(), links + 1);
    EXPECT_EQ(Title().back(), '*');
    EXPECT_TRUE(Enabled(ID_SAVE_PROJECT));
    EXPECT_TRUE(frame->DemoWnd->GetInstallerWnd()->Wnd->IsWindow());

    // Yes at the question saves, which fails: the editor stays with the edit.
    services.messages.clear();
    services.ScriptAnswers({MessageAnswer::Yes});
    frame->Close();
    PumpFor(200);
    ASSERT_EQ(services.messages.size(), 2u);
    EXPECT_EQ(services.messages[1], failed);
    EXPECT_TRUE(frame->IsShown());
    EXPECT_EQ(LinkNodes(), links + 1);

    // No lets it close, asking once.
    services.messages.clear();
    Close();
    EXPECT_EQ(services.messages.size(), 1u);
}

}  // namespace
