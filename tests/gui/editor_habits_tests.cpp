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
    }
    // The File menu's entries between Save and Exit.
    std::vector<std::string> RecentEntries() {
        std::vector<std::string> out;
        for (wxMenuItem* item : frame->GetMenuBar()->GetMenu(0)->GetMenuItems())
            if (item->GetId() >= ID_RECENT_FIRST && item->GetId() <= ID_RECENT_LAST)
                out.push_back(item->GetItemLabel().utf8_string());
        return out;
    }
};

TEST_F(HabitsTest, RecentProjectsOutlastTheEditorAndGoneOnesLeave) {
    Start();
    EXPECT_TRUE(RecentEntries().empty());
    OpenSample();
    const std::string sample = temp.File("sample/");
    EXPECT_EQ(RecentEntries(), std::vector<std::string>{"&1 " + sample});
    Close();

    Start();
    ASSERT_EQ(RecentEntries(), std::vector<std::string>{"&1 " + sample});
    Command(ID_RECENT_FIRST);
    ASSERT_NE(frame->DemoWnd->GetInstallerWnd(), nullptr);
    EXPECT_EQ(frame->DemoWnd->GetInstallerWnd()->ProjectFolder, sample);
    frame->DemoWnd->CloseProject();

    fs::rename(temp.File("sample"), temp.File("moved"));
    services.messages.clear();
    Command(ID_RECENT_FIRST);
    EXPECT_EQ(frame->DemoWnd->GetInstallerWnd(), nullptr);
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_NE(services.messages[0].find(sample), std::string::npos);
    EXPECT_TRUE(RecentEntries().empty());
}

TEST_F(HabitsTest, AddToDiscFillsTheLinkAndSwatchesFollowTheText) {
    Start();
    OpenSample();
    CInstallerWnd* project = frame->DemoWnd->GetInstallerWnd();
    sandbox::WriteBytes(temp.File("setup.exe"), "program");
    fs::create_directories(temp.File("sample/tools/new"));

    CHyperlinkPropertiesDlg dialog(frame, *project, 2);  // the sample's RUN link
    EXPECT_TRUE(dialog.AddToDisc->IsEnabled());
    dialog.Absolute->SetValue(true);
    wxCommandEvent absolute(wxEVT_RADIOBUTTON, dialog.Absolute->GetId());
    dialog.Absolute->GetEventHandler()->ProcessEvent(absolute);
    EXPECT_FALSE(dialog.AddToDisc->IsEnabled());
    dialog.ClickAction(LinkAction::RunProgram);
    EXPECT_TRUE(dialog.AddToDisc->IsEnabled());

    // Cancelling the folder chooser leaves everything as it was.
    wxTEST_DIALOG(Press(&dialog, dialog.AddToDisc->GetId()),
                  wxExpectModal<wxFileDialog>(wxString::FromUTF8(temp.File("setup.exe"))),
                  Act<wxDirDialog>([](wxDirDialog*) { return wxID_CANCEL; }));
    EXPECT_TRUE(dialog.DataAEdit->GetValue().empty());
    EXPECT_FALSE(fs::exists(temp.File("sample/setup.exe")));

    ASSERT_TRUE(dialog.AddFileToDisc(temp.File("setup.exe"), temp.File("sample/tools/new")));
    EXPECT_EQ(dialog.DataAEdit->GetValue().utf8_string(), "tools\\new\\setup.exe");
    EXPECT_EQ(sandbox::ReadBytes(temp.File("sample/tools/new/setup.exe")), "program");
    EXPECT_FALSE(dialog.AddFileToDisc(temp.File("setup.exe"), temp.Path()));
    EXPECT_EQ(dialog.DataAEdit->GetValue().utf8_string(), "tools\\new\\setup.exe");

    std::vector<dialog_parts::ColourSwatch*> swatches;
    for (wxWindow* box : dialog.GetChildren())
        for (wxWindow* w : box->GetChildren())
            if (auto* swatch = dynamic_cast<dialog_parts::ColourSwatch*>(w)) swatches.push_back(swatch);
    ASSERT_EQ(swatches.size(), 2u);
    // What the screen shows in the middle of a swatch, as 0x00RRGGBB.
    auto painted = [](wxWindow* swatch) {
        const wxRect r = swatch->GetScreenRect();
        const auto pixels = gui_test::Screen().Grab({r.x, r.y, r.x + r.width, r.y + r.height});
        return pixels.pixels.empty() ? 0xDEADu : pixels.pixels[pixels.pixels.size() / 2 + r.width / 2];
    };
    dialog.Show();
    PumpFor(200);
    const struct {
        const char* text;
        bool shows;
        std::uint32_t colour;
    } typed[] = {{"0x00ff80", true, 0x00ff80}, {"0x00ff8", false, 0x00ff80},
                 {"0x12FF8a", true, 0x12ff8a}, {"green", false, 0x12ff8a}};
    wxColour shown;
    for (const auto& t : typed) {
        dialog.TextColourEdit->SetValue(t.text);  // a text event, as typing sends
        PumpFor(150);
        EXPECT_EQ(swatches[0]->ShownColour(&shown), t.shows) << t.text;
        if (t.shows) {
            EXPECT_EQ(painted(swatches[0]), t.colour) << t.text;
        } else {
            EXPECT_NE(painted(swatches[0]), t.colour) << t.text;  // the last colour is gone
        }
    }
    // The other field's swatch shows the colour the dialog filled in.
    const LaunchSettings& s = *project->Settings;
    EXPECT_EQ(painted(swatches[1]), (std::uint32_t(s.HotSpotTextHiliteColorR) << 16) |
                                        (s.HotSpotTextHiliteColorG << 8) | s.HotSpotTextHiliteColorB);
    dialog.Hide();
}

}  // namespace
