// The keyboard through every dialog: Tab and Shift+Tab, pressed on the X
// server as a user does, visit each control that takes the focus in reading
// order and wrap at the ends.
#include <wx/checkbox.h>
#include <wx/radiobut.h>

#include "editor/wx/audio_dlg.h"
#include "editor/wx/background_dlg.h"
#include "editor/wx/hyperlink_dlg.h"
#include "editor/wx/logo_dlg.h"
#include "editor/wx/project_wizard_dlg.h"
#include "editor_fixture.h"

using namespace editor_test;

namespace {

using Chain = std::vector<std::string>;

// A control by what the user reads on it: its label, else its id.
std::string Name(wxWindow* w) {
    if (!w) return "(none)";
    const wxString label = w->GetLabel();
    if (!label.empty() && !dynamic_cast<wxTextCtrl*>(w)) return label.utf8_string();
    return std::to_string(w->GetId());
}

class FocusTest : public EditorTest {
  protected:
    void SetUp() override {
        EditorTest::SetUp();
        StartOnSample();
    }
    // The focus after each of `presses` Tabs (or Shift+Tabs).
    Chain Walk(std::size_t presses, bool back) {
        Chain visited;
        for (std::size_t i = 0; i < presses; ++i) {
            if (back) gui_test::Screen().KeyEvent("Shift_L", true);
            gui_test::Screen().PressKey("Tab");
            if (back) gui_test::Screen().KeyEvent("Shift_L", false);
            PumpFor(60);
            visited.push_back(Name(wxWindow::FindFocus()));
        }
        return visited;
    }
};

TEST_F(FocusTest, TabAndShiftTabVisitEveryControlInReadingOrder) {
    CInstallerWnd& project = *frame->DemoWnd->GetInstallerWnd();
    LaunchSettings& s = *project.Settings;
    // Every field in use: a link that runs a program, an animated logo.
    s.HotSpotCommand[0] = std::string("RUNABSOLUTE");
    s.HotSpotCommandDataA[0] = std::string("/opt/setup");
    s.AnimateLogo[0] = 1;
    const HelpFunction help;
    auto background = [&](const std::string& name) {
        s.BackGroundBitmapName = name;
        return CBackgroundPropertiesDlg(frame, project, help).ShowModal();
    };
    // Each chain starts at the control focused when the dialog opens; in a
    // radio group only the chosen button takes the Tab (arrows move within).
    const struct {
        const char* what;
        std::function<int()> run;
        Chain order;
    } cases[] = {
        {"audio", [&] { return CAudioPropertiesDlg(frame, project, help).ShowModal(); },
         {"1011", "...", "1013", "...", "OK", "Cancel", "Help"}},
        {"hyperlink",
         [&] { return CHyperlinkPropertiesDlg(frame, project, 0, help).ShowModal(); },
         {"Run specified program / Open a file", "Path is Absolute", "1017", "...", "1020", "1033",
          "1029", "1021", "1022", "1023", "...", "1024", "...", "OK", "Cancel", "Help"}},
        {"background colour", [&] { return background("@@0000000d0000ff"); },
         {"Specified Color", "1004", "Choose...", "Dithered", "Dither To White", "Dither Vert",
          "OK", "Cancel", "Help"}},
        {"logo", [&] { return CLogoPropertiesDlg(frame, project, 0, help).ShowModal(); },
         {"1034", "...", "1021", "1022", "1036", "...", "Animate Bitmap / Logo", "1023", "1039",
          "1040", "OK", "Cancel", "Help"}},
        {"wizard", [&] { return CProjectWizardDlg(frame).ShowModal(); },
         {"&OK", "Create a New Project", "Show this window each time the application starts",
          "&Cancel"}},
        {"new project",
         [&] { return CNewProjectDlg(frame, temp.Path(), nullptr).ShowModal(); },
         {"1001", "1002", "Browse...", "Create Project", "Cancel", "Help"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Chain forward(c.order.begin() + 1, c.order.end()), backward;
        forward.push_back(c.order.front());
        for (std::size_t i = c.order.size(); i-- > 0;) backward.push_back(c.order[i]);
        OnModal<wxDialog> walk([&](wxDialog* dialog) {
            // Keys go where the pointer is on a bare X server.
            const wxPoint at = dialog->GetScreenPosition();
            gui_test::Screen().MovePointer(at.x + 5, at.y + 5);
            PumpFor(100);
            EXPECT_EQ(Name(wxWindow::FindFocus()), c.order.front());
            EXPECT_EQ(Walk(c.order.size(), false), forward);
            EXPECT_EQ(Walk(c.order.size(), true), backward);
            dialog->EndModal(wxID_CANCEL);
        });
        c.run();
        EXPECT_EQ(walk.Runs(), 1);
    }
}

}  // namespace
