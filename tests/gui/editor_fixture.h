// The editor in-process on the test program's X server: a frame with its own
// settings store and project folders, messages through a recorder that
// scripts the answers, and ways to act on its dialogs, tree and preview.
#pragma once

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/checkbox.h>
#include <wx/filedlg.h>
#include <wx/menu.h>
#include <wx/radiobut.h>
#include <wx/textctrl.h>
#include <wx/timer.h>
#include <wx/toolbar.h>
#include <wx/treectrl.h>
#include <wx/weakref.h>

#include "../support/project_sandbox.h"
#include "editor/command_ids.h"
#include "editor/wx/demo_wnd.h"
#include "editor/wx/editor_window_system.h"
#include "editor/wx/main_frame.h"
#include "editor/wx/new_project_dlg.h"
#include "editor/wx/tree_view.h"
#include "platform/raster/raster_graphics.h"
#include "platform/wx/wx_window.h"
#include "wx_test_main.h"

namespace editor_test {

using gui_test::Act;
using gui_test::PumpFor;
using gui_test::PumpUntil;
using Messages = std::vector<std::string>;
namespace fs = std::filesystem;

// A real modal run: once a modal dialog of type T shows, `act` gets it (and
// must end it). For code that opens the dialog itself, from a key or a command.
template <class T>
class OnModal {
  public:
    explicit OnModal(std::function<void(T*)> act) {
        timer_.Bind(wxEVT_TIMER, [this, act](wxTimerEvent&) {
            for (wxWindow* w : wxTopLevelWindows) {
                auto* dialog = dynamic_cast<T*>(w);
                if (!dialog || !dialog->IsModal()) continue;
                timer_.Stop();
                ++runs_;
                act(dialog);
                return;
            }
        });
        timer_.Start(20);
    }
    int Runs() const { return runs_; }

  private:
    wxTimer timer_;
    int runs_ = 0;
};

// Clicks a dialog's button as the user does; the dialog's handlers decide.
inline void Press(wxWindow* dialog, int id) {
    wxWindow* button = dialog->FindWindow(id);
    ASSERT_NE(button, nullptr) << "no control " << id;
    wxCommandEvent click(wxEVT_BUTTON, id);
    click.SetEventObject(button);
    button->GetEventHandler()->ProcessEvent(click);
}

// A click on a radio (it goes on) or a check box (it flips), as the user makes it.
inline void Click(wxWindow* control) {
    auto* check = dynamic_cast<wxCheckBox*>(control);
    if (check) check->SetValue(!check->GetValue());
    if (auto* radio = dynamic_cast<wxRadioButton*>(control)) radio->SetValue(true);
    wxCommandEvent click(check ? wxEVT_CHECKBOX : wxEVT_RADIOBUTTON, control->GetId());
    click.SetInt(check ? check->GetValue() : 1);
    click.SetEventObject(control);
    control->GetEventHandler()->ProcessEvent(click);
}

// "..." beside a file field, the chooser picking `path`.
inline void Browse(wxWindow* dialog, int button, const std::string& path) {
    wxTEST_DIALOG(Press(dialog, button), wxExpectModal<wxFileDialog>(wxString::FromUTF8(path)));
}

// OK, then Cancel if OK left the dialog open: true when OK closed it.
inline bool PressOk(wxDialog* dialog) {
    Press(dialog, wxID_OK);
    if (!dialog->IsModal()) return true;
    Press(dialog, wxID_CANCEL);
    return false;
}

enum Place { kBackground, kAudio, kLinks, kLogos };

class EditorTest : public ::testing::Test {
  protected:
    void SetUp() override {
        // A failed wx check fails the test instead of opening a dialog nobody answers.
        wxSetAssertHandler([](const wxString& file, int line, const wxString& func,
                              const wxString& cond, const wxString& msg) {
            ADD_FAILURE_AT(file.utf8_string().c_str(), line)
                << func.utf8_string() << ": " << cond.utf8_string() << " " << msg.utf8_string();
        });
        platform::Install(platform::Platform{&graphics, &windows, &services, &system});
        wxTheApp->SetExitOnFrameDelete(false);
        fs::create_directories(temp.File("bin"));
        fs::copy(VELOMAR_SOURCE_DIR "/examples/sample", temp.File("sample"),
                 fs::copy_options::recursive);
    }
    void TearDown() override {
        Close();
        platform::Install(platform::Platform{});
    }

    void NoWizard() {
        CRegSettings store(PREFERENCES_KEY, storeFile);
        WritePreference(store, Preference::ShowWizard, 0);
    }

    // settle: let the loop run (a command the wizard chose would run then).
    void Start(bool settle = true) {
        documents = temp.File("docs");
        frame = new CMainFrame(
            EditorOptions{temp.File("bin/"), storeFile, "", [] { return documents; }});
        wxTheApp->SetTopWindow(frame);
        frame->Show();
        if (settle) PumpFor(150);
    }
    // Closes the editor as Exit does and waits until the frame is gone.
    void Close() {
        if (!frame) return;
        wxWeakRef<wxFrame> gone(frame);
        frame->Close();
        ASSERT_TRUE(PumpUntil([&] { return !gone; }));
        frame = nullptr;
    }
    // The menus as they show when opened.
    void UpdateMenus() {
        frame->UpdateWindowUI(wxUPDATE_UI_RECURSE);
        PumpFor(50);  // the Edit menu is made anew after the update
        frame->UpdateWindowUI(wxUPDATE_UI_RECURSE);
    }
    void Command(int id) {
        wxCommandEvent event(wxEVT_MENU, id);
        frame->ProcessWindowEvent(event);
    }
    // The project as AppSetup.dat holds it now.
    std::unique_ptr<CInstallerWnd> OnDisk() {
        auto stored = std::make_unique<CInstallerWnd>(temp.File("sample/"));
        EXPECT_TRUE(stored->LoadSettings());
        return stored;
    }
    void OpenSample(const std::string& copy = "sample") {
        wxTEST_DIALOG(
            Command(ID_OPEN_PROJECT),
            wxExpectModal<wxFileDialog>(wxString::FromUTF8(temp.File(copy + "/AppSetup.dat"))));
        ASSERT_NE(Project(), nullptr);
    }
    CInstallerWnd* Project() const { return frame->Editor->Project(); }
    LaunchSettings& S() const { return *Project()->Settings; }

    wxTreeCtrl* Tree() const { return frame->TreeView->Tree(); }
    // A node's n-th child; the categories are the root's.
    wxTreeItemId Nth(wxTreeItemId parent, int n) const {
        wxTreeItemIdValue cookie;
        wxTreeItemId c = Tree()->GetFirstChild(parent, cookie);
        for (int i = 0; i < n && c.IsOk(); ++i) c = Tree()->GetNextSibling(c);
        return c;
    }
    wxTreeItemId Category(Place place) const { return Nth(Tree()->GetRootItem(), int(place)); }
    wxTreeItemId Child(Place category, int index) const { return Nth(Category(category), index); }
    std::vector<std::string> Children(Place category) const {
        std::vector<std::string> texts;
        for (wxTreeItemId c = Child(category, 0); c.IsOk(); c = Tree()->GetNextSibling(c))
            texts.push_back(Tree()->GetItemText(c).utf8_string());
        return texts;
    }
    // Keys go where the pointer is on a bare X server: over the tree, then
    // the key with the modifiers held, as the keyboard sends them.
    void KeysOnTree(std::initializer_list<const char*> held, const char* key) {
        Tree()->SetFocus();
        const wxPoint at = Tree()->GetScreenPosition();
        gui_test::Screen().MovePointer(at.x + 60, at.y + Tree()->GetSize().y - 10);
        PumpFor(100);
        for (const char* k : held) gui_test::Screen().KeyEvent(k, true);
        gui_test::Screen().PressKey(key);
        for (const char* k : held) gui_test::Screen().KeyEvent(k, false);
        PumpFor(300);
    }
    wxPoint OnScreen(platform::Point client) const {
        auto* menu = dynamic_cast<platform::wx::WxWindow*>(Project()->Wnd.get());
        return menu->ClientWindow()->ClientToScreen(wxPoint(client.x, client.y));
    }

    sandbox::TempFolder temp;
    std::string storeFile = temp.File("config/Harlune/VelomarForge.conf");
    static inline std::string documents;  // the running test's, for the frame's lookup
    platform::raster::RasterGraphics graphics;
    EditorWindowSystem windows;
    platform::RecordingServices services;
    platform::PosixSystem posix;
    platform::FixedLanguageSystem system{&posix, "English"};
    CMainFrame* frame = nullptr;
};

// The editor without its wizard, open on the sample, nothing said yet.
class OnSample : public EditorTest {
  protected:
    void SetUp() override {
        EditorTest::SetUp();
        NoWizard();
        Start();
        OpenSample();
        services.messages.clear();
    }
};

}  // namespace editor_test
