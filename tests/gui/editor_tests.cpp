// The editor's frame on a real X server, driven as a user would: the wizard
// and New Project, a QUIT link clicked in the preview, the dialogs' own
// buttons, the layout kept between runs, and the message box. The rules behind
// them are the core's (tests/editor).
#include <wx/msgdlg.h>
#include <wx/stattext.h>

#include "editor/forms/resource_import.h"
#include "editor/recent_projects.h"
#include "editor/wx/audio_dlg.h"
#include "editor/wx/background_dlg.h"
#include "editor/wx/hyperlink_dlg.h"
#include "editor/wx/logo_dlg.h"
#include "editor/wx/project_wizard_dlg.h"
#include "editor_fixture.h"
#include "platform/wx/wx_services.h"

using namespace editor_test;
using platform::MessageAnswer;

namespace {

// The wizard's "New" runs New Project once the frame shows, whose "Project to
// be created" shows the folder it makes, after a typed location too; the
// menu's check item shows the controller's state and its command reaches it.
// Closing keeps the frame's size and the tree's width for the next start;
// the tree comes before the preview (made first) in the keyboard's order.
TEST_F(EditorTest, WizardAtFirstStartItsToggleAndTheLayoutKept) {
    OnModal<CNewProjectDlg> create([&](CNewProjectDlg* d) {
        d->LocationEdit->SetValue(wxString::FromUTF8(temp.File("elsewhere")));
        d->NameEdit->SetValue("Mirror");
        EXPECT_EQ(d->Result->GetLabel().utf8_string(), d->ProjectFolder());
        EXPECT_EQ(d->ProjectFolder(), temp.File("elsewhere/Mirror"));
        d->EndModal(wxID_CANCEL);
    });
    wxTEST_DIALOG(Start(false), Act<CProjectWizardDlg>([](CProjectWizardDlg* d) {
                      d->NewChoice->SetValue(true);
                      d->ShowAtStartupBox->SetValue(true);
                      d->TransferDataFromWindow();
                      return wxID_OK;
                  }));
    EXPECT_TRUE(PumpUntil([&] { return create.Runs() == 1; }));
    frame->UpdateWindowUI(wxUPDATE_UI_RECURSE);
    EXPECT_TRUE(frame->GetMenuBar()->IsChecked(ID_WIZARD_AT_STARTUP));
    Command(ID_WIZARD_AT_STARTUP);
    frame->UpdateWindowUI(wxUPDATE_UI_RECURSE);
    EXPECT_FALSE(frame->GetMenuBar()->IsChecked(ID_WIZARD_AT_STARTUP));

    frame->SetSize(30, 40, 900, 560);
    PumpFor(100);
    const int tree = frame->TreeView->GetSize().x;
    Close();
    NoWizard();
    Start();
    EXPECT_EQ(frame->GetSize(), wxSize(900, 560));
    EXPECT_EQ(frame->TreeView->GetSize().x, tree);
    EXPECT_EQ(frame->TreeView->GetNextSibling(), frame->DemoWnd) << "Tab goes tree, then preview";
}

// A click on the QUIT link closes the editor, after the save question.
TEST_F(OnSample, QuitLinkInThePreviewClosesTheEditor) {
    int quit = -1;
    for (int i = 0; i < S().NumberOfHotSpots; ++i)
        if (TextOf(S().HotSpotCommand[i]) == "QUIT") quit = i;
    ASSERT_GE(quit, 0);
    ASSERT_TRUE(PumpUntil([&] { return S().HotSpotRect[quit].right != 0; }));
    const platform::Rect r = S().HotSpotRect[quit];
    frame->Editor->Session().SetModified(true);
    services.ScriptAnswers({MessageAnswer::No});

    wxWeakRef<wxFrame> gone(frame);
    const wxPoint at = OnScreen({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
    gui_test::Screen().MovePointer(at.x, at.y);
    PumpFor(100);
    gui_test::Screen().Click();
    ASSERT_TRUE(PumpUntil([&] { return !gone; }));
    frame = nullptr;
    EXPECT_EQ(services.messages, Messages{"Would you like to save the current project:\n\n" +
                                          temp.File("sample/") + " ?"});
}

// The File menu lists the recent projects newest first, between two lines
// above Exit; an entry opens the project it names.
TEST_F(OnSample, RecentProjectsInOrderEachOpensItsOwn) {
    fs::copy(temp.File("sample"), temp.File("other"), fs::copy_options::recursive);
    OpenSample("other");
    wxMenu* file = frame->GetMenuBar()->GetMenu(0);
    std::string shown;  // from the first line, Exit left out
    for (const wxMenuItem* item : file->GetMenuItems())
        if (item->GetId() != ID_EXIT && (item->IsSeparator() || !shown.empty()))
            shown += (item->IsSeparator() ? "-" : item->GetItemLabel().utf8_string()) + "|";
    EXPECT_EQ(shown, "-|" + RecentMenuText(0, temp.File("other/")) + "|" +
                         RecentMenuText(1, temp.File("sample/")) + "|-|");
    Command(file->FindItemByPosition(5)->GetId());
    EXPECT_EQ(Project()->ProjectFolder, temp.File("sample/"));
}

// Each dialog's "..." beside a file (the note, then the chooser) and its Help. A
// slot the file left without its entry ends the dialog before it shows.
TEST_F(OnSample, BrowseAndHelpButtonsAndCorruptSlotsEndAtOnce) {
    std::vector<std::string> topics;
    const HelpFunction help = [&](const std::string& t) { topics.push_back(t); };
    CInstallerWnd& p = *Project();
    const struct {
        const char* what;
        std::function<wxDialog*()> make;
        int browse, file;  // 0: none
        const char* topic;
    } cases[] = {
        {"background", [&] { return new CBackgroundPropertiesDlg(frame, p, help); }, 1003, 1002,
         "_Background_Image"},
        {"disc icon", [&] { return new CBackgroundPropertiesDlg(frame, p, help); }, 1083, 1082,
         "_Background_Image"},
        {"audio", [&] { return new CAudioPropertiesDlg(frame, p, help); }, 1012, 1011, "_Audio"},
        {"logo", [&] { return new CLogoPropertiesDlg(frame, p, 0, help); }, 1035, 1034,
         "_Bitmaps_&_Logos"},
        {"link", [&] { return new CHyperlinkPropertiesDlg(frame, p, 0, help); }, 0, 0,
         "_Hyper-Links"},
    };
    const std::string chosen = temp.File("sample/res/disc.bmp");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        services.messages.clear();
        topics.clear();
        std::unique_ptr<wxDialog> dialog(c.make());
        if (c.browse) {
            Browse(dialog.get(), c.browse, chosen);
            auto* file = dynamic_cast<wxTextCtrl*>(dialog->FindWindow(c.file));
            EXPECT_EQ(file->GetValue().utf8_string(), chosen);
            EXPECT_EQ(services.messages, Messages{RESOURCE_BROWSE_NOTE});
        }
        Press(dialog.get(), 1045);
        EXPECT_EQ(topics, std::vector<std::string>{c.topic});
    }

    S().LogoBitmapName[0] = std::nullopt;
    S().HotSpotCommand[1] = std::string("JUMP");
    services.messages.clear();
    OnModal<wxDialog> none([](wxDialog* d) {
        ADD_FAILURE() << "a dialog showed";
        d->EndModal(wxID_CANCEL);
    });
    EXPECT_EQ(CLogoPropertiesDlg(frame, p, 0).ShowModal(), wxID_CANCEL);
    EXPECT_EQ(CHyperlinkPropertiesDlg(frame, p, 1).ShowModal(), wxID_CANCEL);
    EXPECT_EQ(services.messages, (Messages{"Corrupted project file!", "Corrupted project file!"}));
}

// The message box: the program name as caption, the exclamation icon, OK or
// Yes/No, the answer passed back, texts that are not UTF-8, and the log the
// runtime tests read.
TEST(WxServicesTest, MessageBoxesShowTheTextUnderTheProgramName) {
    using platform::MessageButtons;
    const sandbox::TempFolder scratch;
    const std::string log = scratch.File("messages");
    ::setenv("VELOMAR_MESSAGE_LOG", log.c_str(), 1);
    platform::wx::WxServices services("velomarforge");
    ::unsetenv("VELOMAR_MESSAGE_LOG");
    const struct {
        std::string text;
        MessageButtons buttons;
        int press;
        MessageAnswer answer;
        wxString shown;
    } cases[] = {
        {"Overwrite?", MessageButtons::YesNo, wxID_YES, MessageAnswer::Yes, "Overwrite?"},
        {"Overwrite?", MessageButtons::YesNo, wxID_NO, MessageAnswer::No, "Overwrite?"},
        // Not UTF-8: shown as Windows-1252.
        {"Caf\xe9 \x80 5", MessageButtons::Ok, wxID_OK, MessageAnswer::Ok,
         wxString::FromUTF8("Caf\xc3\xa9 \xe2\x82\xac 5")},
    };
    std::string logged;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        wxString text, caption;
        long style = 0;
        MessageAnswer answer = MessageAnswer(-1);
        wxTEST_DIALOG(answer = services.ShowMessage(c.text, c.buttons),
                      Act<wxMessageDialog>([&](wxMessageDialog* d) {
                          text = d->GetMessage();
                          caption = d->GetCaption();
                          style = d->GetMessageDialogStyle();
                          return c.press;
                      }));
        EXPECT_EQ(answer, c.answer);
        EXPECT_EQ(text, c.shown);
        EXPECT_EQ(caption, "velomarforge");
        EXPECT_TRUE(style & wxICON_EXCLAMATION);
        EXPECT_EQ(style & (wxYES_NO | wxOK), c.buttons == MessageButtons::YesNo ? wxYES_NO : wxOK);
        logged += c.text + '\0';
    }
    EXPECT_EQ(sandbox::ReadBytes(log), logged) << "each text exactly, as given";
}

}  // namespace
