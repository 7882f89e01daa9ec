// The editor's frame on a real X server, driven as a user would: the start-up
// wizard, the save question, the title and enable rules, a QUIT link in the
// preview, the layout kept between runs. The session's rules are
// tests/editor/project_session_tests.cpp.
#include <wx/checkbox.h>
#include <wx/menu.h>
#include <wx/radiobut.h>
#include <wx/treectrl.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "../support/project_sandbox.h"
#include "editor/disc_image/image_report.h"
#include "editor/wx/command_ids.h"
#include "editor/wx/demo_wnd.h"
#include "editor/wx/editor_window_system.h"
#include "editor/wx/main_frame.h"
#include "editor/wx/new_project_dlg.h"
#include "editor/wx/project_wizard_dlg.h"
#include "editor/wx/tree_view.h"
#include "editor_fixture.h"
#include "platform/wx/wx_window.h"

// Last: Xlib's macros (None, Window, Status) would break the headers above.
#include <X11/Xlib.h>

using namespace editor_test;
using platform::MessageAnswer;

namespace {

Act<CProjectWizardDlg> Wizard(int choice, bool showAtStartup, int answer) {
    return Act<CProjectWizardDlg>([=](CProjectWizardDlg* d) {
        (choice ? d->OpenChoice : d->NewChoice)->SetValue(true);
        d->ShowAtStartupBox->SetValue(showAtStartup);
        d->TransferDataFromWindow();
        return answer;
    });
}

// Xvfb has no window manager to carry out a minimise: unmapping the frame's
// window from outside is what GTK takes for one.
void UnmapAsTheWindowManagerWould(const std::string& title) {
    Display* display = XOpenDisplay(gui_test::Screen().name().c_str());
    if (!display) return;
    Window root = 0, parent = 0, *children = nullptr;
    unsigned count = 0;
    if (XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count)) {
        for (unsigned i = 0; i < count; ++i) {
            char* name = nullptr;
            if (XFetchName(display, children[i], &name) && name && title == name)
                XUnmapWindow(display, children[i]);
            if (name) XFree(name);
        }
        XFree(children);
    }
    XCloseDisplay(display);
}

TEST_F(EditorTest, FirstStartWritesTheDefaultLayoutAndShowsTheWizard) {
    wxTEST_DIALOG(Start(), wxExpectDismissableModal<CProjectWizardDlg>(wxID_CANCEL));
    const struct {
        const char* section;
        const char* name;
        std::uint32_t value;
    } defaults[] = {{"Frame Layout", "TopLeftX", 0},   {"Frame Layout", "TopLeftY", 10},
                    {"Frame Layout", "SizeX", 950},    {"Frame Layout", "SizeY", 600},
                    {"TreeView Layout", "SizeX", 250}, {"General", "ShowIntroWizard", 1}};
    for (const auto& d : defaults) EXPECT_EQ(Stored(d.section, d.name), d.value) << d.name;
    EXPECT_EQ(frame->GetSize(), wxSize(950, 600));
    EXPECT_EQ(frame->TreeView->GetSize().x, 250);
    EXPECT_EQ(Title(), "VelomarForge");
    EXPECT_EQ(frame->GetStatusBar()->GetStatusText(0), "Ready");
    // Cancel started nothing (another dialog would have failed the expectation).
    EXPECT_EQ(frame->DemoWnd->GetInstallerWnd(), nullptr);
}

TEST_F(EditorTest, WizardChoices) {
    struct Case {
        const char* what;
        int choice;
        bool show;
        int answer;
        std::uint32_t stored;
        bool newDialog, openDialog;
    };
    const Case cases[] = {
        {"new, keep showing", 0, true, wxID_OK, 1, true, false},
        {"open, stop showing", 1, false, wxID_OK, 0, false, true},
        {"cancel", 1, false, wxID_CANCEL, 1, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove(storeFile);
        wxTEST_DIALOG(Start("", false), Wizard(c.choice, c.show, c.answer));
        EXPECT_EQ(Stored("General", "ShowIntroWizard"), c.stored);
        EXPECT_EQ(frame->WizardAtStartup, c.stored == 1);
        frame->UpdateWindowUI(wxUPDATE_UI_RECURSE);
        EXPECT_EQ(frame->GetMenuBar()->IsChecked(ID_WIZARD_AT_STARTUP), c.stored == 1);
        // The chosen command runs once the loop runs, with the frame shown.
        if (c.newDialog) {
            wxTEST_DIALOG(PumpFor(100), wxExpectDismissableModal<CNewProjectDlg>(wxID_CANCEL));
        } else if (c.openDialog) {
            wxTEST_DIALOG(PumpFor(100), wxExpectModal<wxFileDialog>(wxString(), wxID_CANCEL));
        } else {
            PumpFor(100);
        }
        Close();
    }
    // The menu toggle writes at once; the next start shows no wizard.
    wxTEST_DIALOG(Start("", false), wxExpectDismissableModal<CProjectWizardDlg>(wxID_CANCEL));
    Command(ID_WIZARD_AT_STARTUP);
    EXPECT_EQ(Stored("General", "ShowIntroWizard"), 0u);
    Close();
    Start();  // no wizard: an unexpected dialog would fail here
    EXPECT_FALSE(frame->WizardAtStartup);
}

// Save, Build, Copy and Test follow the project's state; the title carries "*".
TEST_F(EditorTest, EnableRulesAndTitle) {
    NoWizard();
    Start();
    struct State {
        const char* what;
        std::function<void()> enter;
        bool save, build, copy, test;
        const char* titleEnd;
    };
    const std::string folder = temp.File("sample/");
    const State states[] = {
        {"nothing open", [] {}, false, false, false, false, "VelomarForge"},
        {"opened", [&] { OpenSample(); }, false, true, false, true, "sample/"},
        {"built", [&] { frame->ProjectBuilt = true; }, false, true, true, true, "sample/"},
        {"changed", [&] { frame->DemoWnd->SetModified(true); }, true, true, false, true,
         "sample/*"},
        {"saved", [&] { Command(ID_SAVE_PROJECT); }, false, true, false, true, "sample/"},
    };
    for (const State& s : states) {
        SCOPED_TRACE(s.what);
        s.enter();
        EXPECT_EQ(Enabled(ID_SAVE_PROJECT), s.save);
        EXPECT_EQ(Enabled(ID_BUILD_PROJECT), s.build);
        EXPECT_EQ(Enabled(ID_COPY_PROJECT), s.copy);
        EXPECT_EQ(Enabled(ID_TEST_PROJECT), s.test);
        const std::string title = Title(), end = s.titleEnd;
        EXPECT_EQ(title.substr(title.size() - std::min(title.size(), end.size())), end);
    }
}

// Before New, Open and closing, a changed project brings the question; Yes writes it.
TEST_F(EditorTest, SaveQuestionOnNewOpenAndClose) {
    const std::string question =
        "Would you like to save the current project:\n\n" + temp.File("sample/") + " ?";
    const std::vector<std::function<void()>> next = {
        [&] { wxTEST_DIALOG(Command(ID_NEW_PROJECT), NewProjectAt(temp.File("docs"), "N")); },
        [&] { OpenSample(); },
        [&] { Close(); },
    };
    NoWizard();
    for (std::size_t i = 0; i < next.size(); ++i) {
        for (MessageAnswer answer : {MessageAnswer::No, MessageAnswer::Yes}) {
            SCOPED_TRACE(std::to_string(i) + (answer == MessageAnswer::Yes ? " yes" : " no"));
            if (!frame) Start();
            OpenSample();
            frame->DemoWnd->GetInstallerWnd()->Settings->WindowTitle =
                "Edited " + std::to_string(i);
            frame->DemoWnd->SetModified(true);
            services.messages.clear();
            services.ScriptAnswers({answer});
            next[i]();
            ASSERT_FALSE(services.messages.empty());
            EXPECT_EQ(services.messages[0], question);
            CInstallerWnd stored(temp.File("sample/"));
            ASSERT_TRUE(stored.LoadSettings());
            EXPECT_EQ(TextOf(stored.Settings->WindowTitle) == "Edited " + std::to_string(i),
                      answer == MessageAnswer::Yes);
            fs::remove_all(temp.File("docs/N"));
        }
    }
    // Nothing changed: no question.
    Start();
    OpenSample();
    services.messages.clear();
    Close();
    EXPECT_TRUE(services.messages.empty());
}

// A click on the QUIT link closes the editor, after the save question.
TEST_F(EditorTest, QuitLinkInThePreviewClosesTheEditor) {
    StartOnSample();
    CInstallerWnd* project = frame->DemoWnd->GetInstallerWnd();
    int quit = -1;
    for (int i = 0; i < project->Settings->NumberOfHotSpots; ++i)
        if (TextOf(project->Settings->HotSpotCommand[i]) == "QUIT") quit = i;
    ASSERT_GE(quit, 0);
    ASSERT_TRUE(PumpUntil([&] { return project->Settings->HotSpotRect[quit].right != 0; }));
    const platform::Rect r = project->Settings->HotSpotRect[quit];
    auto* menu = dynamic_cast<platform::wx::WxWindow*>(project->Wnd.get());
    ASSERT_NE(menu, nullptr);
    const wxPoint origin = menu->ClientWindow()->GetScreenPosition();
    frame->DemoWnd->SetModified(true);
    services.ScriptAnswers({MessageAnswer::No});

    wxWeakRef<wxFrame> gone(frame);
    gui_test::Screen().MovePointer(origin.x + (r.left + r.right) / 2,
                                   origin.y + (r.top + r.bottom) / 2);
    PumpFor(100);
    gui_test::Screen().Click();
    ASSERT_TRUE(PumpUntil([&] { return !gone; }));
    frame = nullptr;
    EXPECT_EQ(services.messages, Messages{"Would you like to save the current project:\n\n" +
                                          temp.File("sample/") + " ?"});
}

// Closing writes the frame's place and size and the tree's width, unless minimised.
TEST_F(EditorTest, LayoutIsKeptAndNotOverwrittenWhenMinimised) {
    NoWizard();
    Start();
    frame->SetSize(30, 40, 900, 560);
    PumpFor(100);
    const wxPoint at = frame->GetPosition();
    const int tree = frame->TreeView->GetSize().x;
    Close();
    EXPECT_EQ(Stored("Frame Layout", "TopLeftX"), std::uint32_t(at.x));
    EXPECT_EQ(Stored("Frame Layout", "TopLeftY"), std::uint32_t(at.y));
    EXPECT_EQ(Stored("Frame Layout", "SizeX"), 900u);
    EXPECT_EQ(Stored("Frame Layout", "SizeY"), 560u);
    EXPECT_EQ(Stored("TreeView Layout", "SizeX"), std::uint32_t(tree));

    Start();
    EXPECT_EQ(frame->GetSize(), wxSize(900, 560));
    frame->SetSize(0, 0, 700, 500);
    frame->Iconize();
    UnmapAsTheWindowManagerWould(frame->GetTitle().utf8_string());
    ASSERT_TRUE(PumpUntil([&] { return frame->IsIconized(); }));
    Close();
    EXPECT_EQ(Stored("Frame Layout", "SizeX"), 900u);
    EXPECT_EQ(Stored("Frame Layout", "SizeY"), 560u);
}

TEST_F(EditorTest, CommandLineFolderOpensWithoutWizard) {
    Start(temp.File("sample/"));  // the wizard is on: it must not show
    EXPECT_NE(frame->DemoWnd->GetInstallerWnd(), nullptr);
    EXPECT_EQ(Title(), "VelomarForge - " + temp.File("sample/"));
    wxTreeCtrl* tree = frame->TreeView->Tree();
    EXPECT_EQ(tree->GetCount(), 5u + 4u + 3u);  // root, categories, links, logos
}

// Make Disc Image: the build without Build's question, the save dialog offering
// the label beside the project, the image, and the one offer to show its folder.
TEST_F(EditorTest, MakeDiscImage) {
    NoWizard();
    Start();
    EXPECT_FALSE(Enabled(ID_MAKE_DISC_IMAGE));
    OpenSample();
    EXPECT_TRUE(Enabled(ID_MAKE_DISC_IMAGE));
    sandbox::WriteBytes(temp.File("bin/Velomar.exe"), "MZ runtime");
    fs::create_directory(temp.File("images"));
    const std::string image = temp.File("images/sample disc.iso");

    for (bool save : {false, true}) {
        services.messages.clear();
        services.shellCalls.clear();
        if (save) services.ScriptAnswers({MessageAnswer::Yes});
        wxString folder, name;
        wxTEST_DIALOG(Command(ID_MAKE_DISC_IMAGE), Act<wxFileDialog>([&](wxFileDialog* d) {
                          folder = d->GetDirectory();
                          name = d->GetFilename();
                          d->SetPath(wxString::FromUTF8(image));
                          return save ? wxID_OK : wxID_CANCEL;
                      }));
        EXPECT_EQ(folder.utf8_string() + "/", temp.Path());
        EXPECT_EQ(name, "VELOMAR_SAMPLE.iso");
        EXPECT_TRUE(frame->ProjectBuilt);
        EXPECT_EQ(sandbox::ReadBytes(temp.File("sample/Velomar.exe")), "MZ runtime");
        ASSERT_EQ(fs::exists(image), save);
        if (!save) {
            EXPECT_EQ(services.messages, Messages{});
            continue;
        }
        EXPECT_EQ(services.messages, Messages{DiscImageWrittenQuestion(image, fs::file_size(image))});
        ASSERT_EQ(services.shellCalls.size(), 1u);
        EXPECT_EQ(services.shellCalls[0].file, temp.File("images"));
    }
}

}  // namespace
