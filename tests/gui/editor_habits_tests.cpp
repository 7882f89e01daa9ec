// The File menu's recent projects across two runs of the editor, and the link
// dialog's "Add to Disc..." and colour swatches, on the open sample.
#include <wx/button.h>
#include <wx/dirdlg.h>
#include <wx/menu.h>
#include <wx/radiobut.h>
#include <wx/textctrl.h>

#include "editor/wx/dialog_parts.h"
#include "editor/wx/hyperlink_dlg.h"
#include "editor_fixture.h"

using namespace editor_test;

namespace {

class HabitsTest : public EditorTest {
  protected:
    void SetUp() override {
        EditorTest::SetUp();
        NoWizard();
        Start();
    }
    std::vector<std::string> RecentEntries() {
        std::vector<std::string> out;
        for (wxMenuItem* item : frame->GetMenuBar()->GetMenu(0)->GetMenuItems())
            if (item->GetId() >= ID_RECENT_FIRST && item->GetId() <= ID_RECENT_LAST)
                out.push_back(item->GetItemLabel().utf8_string());
        return out;
    }
};

TEST_F(HabitsTest, RecentProjectsOutlastTheEditorAndGoneOnesLeave) {
    EXPECT_TRUE(RecentEntries().empty());
    OpenSample();
    const std::vector<std::string> listed{"&1 " + temp.File("sample/")};
    EXPECT_EQ(RecentEntries(), listed);
    Close();
    Start();
    ASSERT_EQ(RecentEntries(), listed);
    Command(ID_RECENT_FIRST);
    EXPECT_NE(frame->DemoWnd->GetInstallerWnd(), nullptr);
    frame->DemoWnd->CloseProject();

    fs::rename(temp.File("sample"), temp.File("moved"));
    Command(ID_RECENT_FIRST);
    EXPECT_EQ(frame->DemoWnd->GetInstallerWnd(), nullptr);
    EXPECT_EQ(services.messages.size(), 1u);
    EXPECT_TRUE(RecentEntries().empty());
}

TEST_F(HabitsTest, AddToDiscFillsTheLinkAndSwatchesFollowTheText) {
    OpenSample();
    sandbox::WriteBytes(temp.File("setup.exe"), "program");
    fs::create_directories(temp.File("sample/tools/new"));
    CHyperlinkPropertiesDlg dialog(frame, *frame->DemoWnd->GetInstallerWnd(), 2);  // RUN
    EXPECT_TRUE(dialog.AddToDisc->IsEnabled());
    // Cancelling the folder chooser leaves everything as it was.
    wxTEST_DIALOG(Press(&dialog, dialog.AddToDisc->GetId()),
                  wxExpectModal<wxFileDialog>(wxString::FromUTF8(temp.File("setup.exe"))),
                  Act<wxDirDialog>([](wxDirDialog*) { return wxID_CANCEL; }));
    EXPECT_FALSE(fs::exists(temp.File("sample/setup.exe")));
    ASSERT_TRUE(dialog.AddFileToDisc(temp.File("setup.exe"), temp.File("sample/tools/new")));
    EXPECT_EQ(dialog.DataAEdit->GetValue().utf8_string(), "tools\\new\\setup.exe");
    EXPECT_EQ(sandbox::ReadBytes(temp.File("sample/tools/new/setup.exe")), "program");

    // What the screen shows in the middle of the text colour's swatch.
    dialog_parts::ColourSwatch* swatch = nullptr;
    for (wxWindow* w : dialog.TextColourEdit->GetParent()->GetChildren())
        if (auto* s = dynamic_cast<dialog_parts::ColourSwatch*>(w); s && !swatch) swatch = s;
    ASSERT_NE(swatch, nullptr);
    auto painted = [swatch] {
        const wxRect r = swatch->GetScreenRect();
        const auto shot = gui_test::Screen().Grab({r.x, r.y, r.x + r.width, r.y + r.height});
        return shot.pixels.empty() ? 0xDEADu : shot.pixels[shot.pixels.size() / 2 + r.width / 2];
    };
    dialog.Show();
    const struct {
        const char* text;
        bool shows;
        std::uint32_t colour;  // shown, or the one that must be gone
    } typed[] = {{"0x00ff80", true, 0x00ff80}, {"0x00ff8", false, 0x00ff80},
                 {"0x12FF8a", true, 0x12ff8a}, {"0xgg0000", false, 0x12ff8a}};
    for (const auto& t : typed) {
        dialog.TextColourEdit->SetValue(t.text);  // a text event, as typing sends
        PumpFor(150);
        EXPECT_EQ(painted() == t.colour, t.shows) << t.text;
    }
    dialog.Hide();
}

}  // namespace
