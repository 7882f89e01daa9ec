// A disc made as a user makes it: a new project, a bitmap background, two
// logos (one sliding in), three links and both sounds, all through the
// editor's dialogs; then Build, and the built folder run by velomar and by
// Velomar.exe under wine64. Both must show what the editor's preview showed,
// outside the link texts (each stack antialiases text its own way).
#include <sys/wait.h>
#include <wx/checkbox.h>
#include <wx/radiobut.h>
#include <wx/textctrl.h>
#include <wx/treectrl.h>

#include <chrono>
#include <memory>
#include <thread>

#include "../windows/wine_session.h"
#include "editor/project_build.h"
#include "editor/wx/audio_dlg.h"
#include "editor/wx/background_dlg.h"
#include "editor/wx/hyperlink_dlg.h"
#include "editor/wx/logo_dlg.h"
#include "editor/wx/tree_view.h"
#include "editor_fixture.h"
#include "platform/headless/png_writer.h"
#include "platform/wx/wx_window.h"

using namespace editor_test;
using platform::Rect;
using platform::raster::Surface;

namespace {

// The runtimes centre the 640 x 440 window on their 1024 x 768 screen.
const Rect kWindow{192, 164, 832, 604};
const Rect kClient{193, 165, 831, 603};
const std::string kRuntimeX64 = VELOMAR_WINDOWS_X86_64_DIR "/launcher/win32/Velomar.exe";
const std::string kVelomar = VELOMAR_BIN_DIR "/velomar";
const std::string kOut = VELOMAR_GUI_OUT;

struct Link {
    const char* label;
    LinkAction action;
    const char* dataA;
    int x, y;
};
const Link kLinks[] = {
    {"Visit our web site", LinkAction::WebSite, "www.example.com", 70, 200},
    {"Open the extras", LinkAction::OpenFolder, "extras", 70, 250},
    {"Quit", LinkAction::Quit, "", 70, 320},
};
constexpr int kFontSize = 22;

// Two grabs half a second apart that are equal: the animation is over.
Surface Settled(xtest::XDisplay& screen, const Rect& rect, int seconds) {
    Surface last;
    for (int i = 0; i < seconds * 2; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
        Surface now = screen.Grab(rect);
        if (i > 0 && now.pixels == last.pixels) return now;
        last = std::move(now);
    }
    return {};
}

class DiscTest : public EditorTest {
  protected:
    wxTreeItemId Category(int place) {
        wxTreeCtrl* tree = frame->TreeView->Tree();
        wxTreeItemIdValue cookie;
        wxTreeItemId c = tree->GetFirstChild(tree->GetRootItem(), cookie);
        for (int i = 0; i < place; ++i) c = tree->GetNextChild(tree->GetRootItem(), cookie);
        return c;
    }
    // A menu command on a node, then the refresh it queued.
    template <class D>
    void Edit(int place, int command, std::function<void(D*)> fill) {
        OnModal<D> dialog([&](D* d) {
            fill(d);
            EXPECT_TRUE(PressOk(d)) << ::testing::PrintToString(services.messages);
        });
        frame->TreeView->RunItemCommand(Category(place), command);
        EXPECT_EQ(dialog.Runs(), 1);
        PumpFor(200);
    }
    // "..." beside a file field: the note, then the chooser picks `path`.
    static void Browse(wxDialog* d, int button, const std::string& path) {
        wxTEST_DIALOG(Press(d, button), wxExpectModal<wxFileDialog>(wxString::FromUTF8(path)));
    }

    // The preview's client area as the editor's screen shows it.
    Surface Preview() {
        CInstallerWnd* project = frame->DemoWnd->GetInstallerWnd();
        auto* menu = dynamic_cast<platform::wx::WxWindow*>(project->Wnd.get());
        if (!menu) return {};
        const wxPoint at = menu->ClientWindow()->GetScreenPosition();
        return gui_test::Screen().Grab(Rect{at.x, at.y, at.x + 638, at.y + 438});
    }
    std::vector<Rect> TextBands() const {
        std::vector<Rect> bands;
        for (const Link& l : kLinks)
            bands.push_back(Rect{l.x - 4, l.y - 4, 638, l.y + 2 * kFontSize + 4});
        return bands;
    }
    static void Save(const Surface& s, const std::string& name) {
        EXPECT_TRUE(platform::WritePng(s, Rect{0, 0, s.width, s.height}, kOut + "/" + name))
            << name;
    }
    // A runtime's settled window against the preview (text bands aside), then Escape.
    void ExpectAsPreview(xtest::XDisplay& x, const Surface& preview, int tolerance,
                         const std::string& png) {
        const Surface shown = Settled(x, kClient, 30);
        ASSERT_EQ(shown.width, 638);
        Save(shown, png);
        const xtest::Comparison diff = xtest::Compare(shown, preview, tolerance, TextBands());
        EXPECT_GT(diff.compared, shown.width * shown.height / 2);
        EXPECT_LE(diff.differing, diff.compared / 1000) << "worst " << diff.worst;
        x.PressKey("Escape");
    }
};

TEST_F(DiscTest, MadeInTheEditorRunsAlikeOnBothRuntimes) {
    // What the user has lying around, outside any project.
    const std::string art = temp.File("art/");
    fs::create_directories(art);
    for (const char* file : {"background.bmp", "title.bmp", "disc.bmp", "startup.wav", "hover.wav"})
        fs::copy_file(temp.File("sample/res/") + file, art + file);
    fs::copy_file(kRuntimeX64, temp.File("bin/Velomar.exe"));

    NoWizard();
    Start();
    frame->SetSize(0, 0, 1000, 700);
    const std::string folder = temp.File("docs/Disc/");
    wxTEST_DIALOG(Command(ID_NEW_PROJECT), NewProjectAt(temp.File("docs"), "Disc"));
    ASSERT_NE(frame->DemoWnd->GetInstallerWnd(), nullptr);
    enum { kBackground, kAudio, kLinksNode, kLogos };
    using Tree = CVelomarTreeView;

    Edit<CBackgroundPropertiesDlg>(kBackground, Tree::ID_PROPERTIES_ITEM, [&](auto* d) {
        d->BitmapRadio->SetValue(true);
        wxCommandEvent click(wxEVT_RADIOBUTTON, 1000);
        d->BitmapRadio->GetEventHandler()->ProcessEvent(click);
        Browse(d, 1003, art + "background.bmp");
    });
    Edit<CLogoPropertiesDlg>(kLogos, Tree::ID_INSERT_ITEM, [&](auto* d) {
        Browse(d, 1035, art + "title.bmp");
        d->XEdit->SetValue("40");
        d->YEdit->SetValue("38");
        d->MaskEdit->SetValue("0xff00ff");
    });
    Edit<CLogoPropertiesDlg>(kLogos, Tree::ID_INSERT_ITEM, [&](auto* d) {
        Browse(d, 1035, art + "disc.bmp");
        d->XEdit->SetValue("484");
        d->YEdit->SetValue("26");
        d->MaskEdit->SetValue("0xff00ff");
        d->AnimateBox->SetValue(true);
        d->StartXEdit->SetValue("640");
        d->StartYEdit->SetValue("26");
        d->DelayEdit->SetValue("15");
    });
    for (const Link& link : kLinks)
        Edit<CHyperlinkPropertiesDlg>(kLinksNode, Tree::ID_INSERT_ITEM, [&](auto* d) {
            d->ClickAction(link.action);
            if (*link.dataA) d->DataAEdit->SetValue(link.dataA);
            d->LabelEdit->SetValue(link.label);
            d->XEdit->SetValue(std::to_string(link.x));
            d->YEdit->SetValue(std::to_string(link.y));
            d->FontEdit->SetValue(std::to_string(kFontSize));
            d->TextColourEdit->SetValue("0xe2ecf0");
            d->HiliteEdit->SetValue("0xf3c45c");
        });
    Edit<CAudioPropertiesDlg>(kAudio, Tree::ID_PROPERTIES_ITEM, [&](auto* d) {
        Browse(d, 1012, art + "startup.wav");
        Browse(d, 1014, art + "hover.wav");
    });
    EXPECT_EQ(frame->TreeView->Tree()->GetCount(), 5u + 2u + 3u);

    services.messages.clear();
    services.ScriptAnswers({platform::MessageAnswer::No});
    Command(ID_BUILD_PROJECT);
    ASSERT_EQ(services.messages, Messages{BUILD_DONE_QUESTION});
    // What the forms stored and the build kept is the core's; here the picture counts.

    // The preview, with the pointer off every link.
    gui_test::Screen().MovePointer(1020, 760);
    frame->Raise();
    PumpFor(500);
    const Surface preview = Preview();
    ASSERT_EQ(preview.width, 638);
    Save(preview, "disc_preview.png");

    {
        SCOPED_TRACE("velomar");
        xtest::XDisplay x;
        ASSERT_TRUE(x.ok());
        xtest::Child runtime(
            xtest::Command{{kVelomar}, folder, {"DISPLAY=" + x.name(), "NO_AT_BRIDGE=1"}});
        ASSERT_TRUE(x.WaitForWindow("Installer Window", 15000));
        ExpectAsPreview(x, preview, 8, "disc_velomar.png");
        EXPECT_TRUE(runtime.WaitExit(10000));
    }
    {
        SCOPED_TRACE("Velomar.exe under wine64");
        wintest::WineSession& wine = wintest::WineSession::Get();
        ASSERT_TRUE(wine.ok()) << wine.error();
        xtest::XDisplay& screen = wine.screen();
        xtest::Child runtime(wine.Program(folder + "Velomar.exe", {}, folder));
        ASSERT_TRUE(screen.WaitForWindow("Installer Window", 30000));
        EXPECT_EQ(screen.FindWindows("Installer Window"), std::vector<Rect>{kWindow});
        ExpectAsPreview(screen, preview, 1, "disc_wine.png");
        EXPECT_TRUE(runtime.WaitExit(15000));
    }
}

}  // namespace
