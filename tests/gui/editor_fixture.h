// The editor in-process on the test program's X server: a frame with its own
// settings store and project folders, messages through a recorder that
// scripts the answers, and ways to act on the dialogs it opens.
#pragma once

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/filedlg.h>
#include <wx/testing.h>
#include <wx/textctrl.h>
#include <wx/timer.h>
#include <wx/toolbar.h>
#include <wx/weakref.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "../support/project_sandbox.h"
#include "editor/wx/command_ids.h"
#include "editor/wx/demo_wnd.h"
#include "editor/wx/editor_window_system.h"
#include "editor/wx/main_frame.h"
#include "editor/wx/new_project_dlg.h"
#include "platform/headless/fixed_language_system.h"
#include "platform/headless/recording_services.h"
#include "platform/posix/posix_system.h"
#include "platform/raster/raster_graphics.h"
#include "wx_test_main.h"

namespace editor_test {

using gui_test::PumpFor;
using gui_test::PumpUntil;
using Messages = std::vector<std::string>;
namespace fs = std::filesystem;

// A dialog expectation that acts on the dialog, then returns its answer.
template <class T>
class Act : public wxExpectModalBase<T, Act<T>> {
  public:
    explicit Act(std::function<int(T*)> act) : act_(std::move(act)) {}

  protected:
    int OnInvoked(T* dialog) const override { return act_(dialog); }

  private:
    std::function<int(T*)> act_;
};

// Types a parent location and a name, as the user does, and presses Create Project.
inline Act<CNewProjectDlg> NewProjectAt(const std::string& parent, const std::string& name) {
    return Act<CNewProjectDlg>([=](CNewProjectDlg* d) {
        d->LocationEdit->SetValue(wxString::FromUTF8(parent));
        d->NameEdit->SetValue(wxString::FromUTF8(name));
        d->TransferDataFromWindow();
        return wxID_OK;
    });
}

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

// OK, then Cancel if OK left the dialog open: true when OK closed it.
inline bool PressOk(wxDialog* dialog) {
    Press(dialog, wxID_OK);
    if (!dialog->IsModal()) return true;
    Press(dialog, wxID_CANCEL);
    return false;
}

// A failed wx check fails the test instead of opening a dialog nobody answers.
inline void FailOnAssert(const wxString& file, int line, const wxString& func, const wxString& cond,
                         const wxString& msg) {
    ADD_FAILURE_AT(file.utf8_string().c_str(), line)
        << func.utf8_string() << ": " << cond.utf8_string() << " " << msg.utf8_string();
}

class EditorTest : public ::testing::Test {
  protected:
    void SetUp() override {
        wxSetAssertHandler(FailOnAssert);
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

    ForgeOptions Options() const {
        ForgeOptions o;
        o.StartFolder = temp.File("bin/");
        o.SettingsFile = storeFile;
        o.DocumentsFolder = temp.File("docs");
        return o;
    }
    CRegSettings Store() const { return CRegSettings(CMainFrame::BASE_KEY, storeFile); }
    void NoWizard() { Store().SetInt(CMainFrame::GENERAL, "ShowIntroWizard", 0); }

    // settle: let the loop run (a command the wizard chose would run then).
    void Start(const std::string& openAtStart = "", bool settle = true) {
        ForgeOptions o = Options();
        o.OpenAtStart = openAtStart;
        frame = new CMainFrame(o);
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
    void Command(int id) {
        wxCommandEvent event(wxEVT_MENU, id);
        frame->ProcessWindowEvent(event);
    }
    std::string Title() const { return frame->GetTitle().utf8_string(); }
    bool Enabled(int id) {
        frame->UpdateWindowUI(wxUPDATE_UI_RECURSE);
        return frame->GetToolBar()->GetToolEnabled(id);
    }
    std::uint32_t Stored(const char* section, const char* name) {
        std::uint32_t value = 0xDEAD;
        Store().ReadInt(section, name, &value);
        return value;
    }
    void OpenSample() {
        wxTEST_DIALOG(
            Command(ID_OPEN_PROJECT),
            wxExpectModal<wxFileDialog>(wxString::FromUTF8(temp.File("sample/AppSetup.dat"))));
        ASSERT_NE(frame->DemoWnd->GetInstallerWnd(), nullptr);
    }
    // The editor without its wizard, on the sample, nothing said yet.
    void StartOnSample() {
        NoWizard();
        Start();
        OpenSample();
        services.messages.clear();
    }

    sandbox::TempFolder temp;
    std::string storeFile = temp.File("config/Harlune/VelomarForge.conf");
    platform::raster::RasterGraphics graphics;
    EditorWindowSystem windows;
    platform::RecordingServices services;
    platform::PosixSystem posix;
    platform::FixedLanguageSystem system{&posix, "English"};
    CMainFrame* frame = nullptr;
};

}  // namespace editor_test
