// A disc made as a user makes it through the Linux editor's dialogs: velomar
// and Velomar.exe under wine64 show what the editor's preview showed, outside
// the link texts (each stack antialiases text its own way). The same steps
// through VelomarForge.exe's dialogs under wine64 (tests/windows/win32/
// forge_disc.cpp) save the same AppSetup.dat and tree, and its preview shows
// Velomar.exe's picture exactly: both are the one Win32 drawing. That program
// then tries the Windows frame's menus, keys, tree and dialogs on its disc.
#include <algorithm>

#include "../windows/scenes.h"
#include "../windows/wine_session.h"
#include "editor/project_build.h"
#include "editor/wx/audio_dlg.h"
#include "editor/wx/background_dlg.h"
#include "editor/wx/hyperlink_dlg.h"
#include "editor/wx/logo_dlg.h"
#include "editor_fixture.h"
#include "platform/headless/png_writer.h"

using namespace editor_test;
using platform::Rect;
using platform::raster::Surface;

namespace {

const std::string kWindowsBin = VELOMAR_WINDOWS_X86_64_DIR;

struct Link {
    const char* label;
    LinkAction action;
    const char* dataA;
    int x, y;
};
const Link kMenuLinks[] = {
    {"Visit our web site", LinkAction::WebSite, "www.example.com", 70, 200},
    {"Open the extras", LinkAction::OpenFolder, "extras", 70, 250},
    {"Quit", LinkAction::Quit, "", 70, 320},
};
constexpr int kFontSize = 22;

void Save(const Surface& s, const std::string& name) {
    EXPECT_TRUE(platform::WritePng(s, Rect{0, 0, s.width, s.height}, VELOMAR_GUI_OUT "/" + name));
}

// One node a line, indented by depth, as the Windows side writes them.
void TreeTexts(wxTreeCtrl* tree, wxTreeItemId item, int depth, std::string* out) {
    *out += std::string(std::size_t(depth) * 2, ' ') + tree->GetItemText(item).utf8_string() + "\n";
    wxTreeItemIdValue cookie;
    for (wxTreeItemId c = tree->GetFirstChild(item, cookie); c.IsOk();
         c = tree->GetNextChild(item, cookie))
        TreeTexts(tree, c, depth + 1, out);
}

class DiscTest : public EditorTest {
  protected:
    // A menu command on a node, then the refresh it queued.
    template <class D>
    void Edit(Place place, int command, std::function<void(D*)> fill) {
        OnModal<D> dialog([&](D* d) {
            fill(d);
            EXPECT_TRUE(PressOk(d)) << ::testing::PrintToString(services.messages);
        });
        frame->Editor->RunItemCommand(frame->TreeView->NodeOf(Category(place)), command);
        EXPECT_EQ(dialog.Runs(), 1);
        PumpFor(200);
    }
};

TEST_F(DiscTest, BothEditorsMakeOneDiscThatRunsAsTheirPreviewsShowIt) {
    // What the user has lying around, outside any project.
    const std::string art = temp.File("art/");
    fs::create_directories(art);
    for (const char* file : {"background.bmp", "title.bmp", "disc.bmp", "startup.wav", "hover.wav"})
        fs::copy_file(temp.File("sample/res/") + file, art + file);
    fs::copy_file(kWindowsBin + "/launcher/win32/Velomar.exe", temp.File("bin/Velomar.exe"));

    NoWizard();
    Start();
    frame->SetSize(0, 0, 1000, 700);
    wxTEST_DIALOG(Command(ID_NEW_PROJECT), Act<CNewProjectDlg>([&](CNewProjectDlg* d) {
                      d->LocationEdit->SetValue(wxString::FromUTF8(temp.File("docs")));
                      d->NameEdit->SetValue("Disc");
                      d->TransferDataFromWindow();
                      return wxID_OK;
                  }));
    ASSERT_NE(Project(), nullptr);
    std::vector<Rect> bands;  // the link texts
    Edit<CBackgroundPropertiesDlg>(kBackground, ID_PROPERTIES_ITEM, [&](auto* d) {
        Click(d->BitmapRadio);
        Browse(d, 1003, art + "background.bmp");
        dynamic_cast<wxTextCtrl*>(d->FindWindow(IDC_DISC_TITLE))->SetValue("Smith Disc");
        dynamic_cast<wxCheckBox*>(d->FindWindow(IDC_DISC_AUTOPLAY))->SetValue(true);
    });
    for (bool moving : {false, true})
        Edit<CLogoPropertiesDlg>(kLogos, ID_INSERT_ITEM, [&](auto* d) {
            Browse(d, 1035, art + (moving ? "disc.bmp" : "title.bmp"));
            d->XEdit->SetValue(moving ? "484" : "40");
            d->YEdit->SetValue(moving ? "26" : "38");
            d->MaskEdit->SetValue("0xff00ff");
            if (!moving) return;
            d->AnimateBox->SetValue(true);
            d->StartXEdit->SetValue("640");
            d->StartYEdit->SetValue("26");
            d->DelayEdit->SetValue("15");
        });
    for (const Link& link : kMenuLinks) {
        Edit<CHyperlinkPropertiesDlg>(kLinks, ID_INSERT_ITEM, [&](auto* d) {
            d->ClickAction(link.action);
            if (*link.dataA) d->DataAEdit->SetValue(link.dataA);
            d->LabelEdit->SetValue(link.label);
            d->XEdit->SetValue(std::to_string(link.x));
            d->YEdit->SetValue(std::to_string(link.y));
            d->FontEdit->SetValue(std::to_string(kFontSize));
            d->TextColourEdit->SetValue("0xe2ecf0");
            d->HiliteEdit->SetValue("0xf3c45c");
        });
        bands.push_back(Rect{link.x - 4, link.y - 4, 638, link.y + 2 * kFontSize + 4});
    }
    Edit<CAudioPropertiesDlg>(kAudio, ID_PROPERTIES_ITEM, [&](auto* d) {
        for (auto [id, file] : {std::pair{IDC_AUDIO_INTRO, "startup.wav"}, {IDC_AUDIO_HOVER, "hover.wav"}})
            dynamic_cast<wxTextCtrl*>(d->FindWindow(id))->SetValue(wxString::FromUTF8(art + file));
    });
    EXPECT_EQ(Tree()->GetCount(), 5u + 2u + 3u);
    services.messages.clear();
    services.ScriptAnswers({platform::MessageAnswer::No});
    Command(ID_BUILD_PROJECT);
    ASSERT_EQ(services.messages, Messages{BUILD_DONE_QUESTION});
    EXPECT_EQ(sandbox::ReadBytes(Project()->ProjectFolder + "autorun.inf"),
              "[autorun]\r\nopen=Velomar.exe\r\nicon=Velomar.exe\r\nlabel=Smith Disc\r\n");

    // The preview, with the pointer off every link.
    gui_test::Screen().MovePointer(1020, 760);
    frame->Raise();
    PumpFor(500);
    const wxPoint at = OnScreen({0, 0});
    const Surface preview = gui_test::Screen().Grab(Rect{at.x, at.y, at.x + 638, at.y + 438});
    Save(preview, "disc_preview.png");

    // Each runtime, settled, against the preview; then Escape ends it.
    Surface shown;
    auto runsAsPreview = [&](xtest::XDisplay& x, xtest::Command program, int tolerance,
                             const std::string& png) {
        x.MovePointer(1020, 760);
        xtest::Child runtime(program);
        ASSERT_TRUE(x.WaitForWindow("Installer Window", 30000));
        shown = x.Settled(xtest::kMenuClient, 500, 60);
        ASSERT_EQ(shown.width, preview.width);
        Save(shown, png);
        const xtest::Comparison diff = xtest::Compare(shown, preview, tolerance, bands);
        EXPECT_GT(diff.compared, shown.width * shown.height / 2);
        EXPECT_LE(diff.differing, diff.compared / 1000) << png << ", worst " << diff.worst;
        x.PressKey("Escape");
        EXPECT_TRUE(runtime.WaitExit(15000)) << png;
    };
    const std::string folder = temp.File("docs/Disc/");
    xtest::XDisplay x;
    ASSERT_TRUE(x.ok());
    runsAsPreview(x,
                  {{VELOMAR_BIN_DIR "/velomar"}, folder, {"DISPLAY=" + x.name(), "NO_AT_BRIDGE=1"}},
                  8, "disc_velomar.png");
    wintest::WineSession& wine = wintest::WineSession::Get();
    ASSERT_TRUE(wine.ok()) << wine.error();
    runsAsPreview(wine.screen(), wine.Program(folder + "Velomar.exe", {}, folder), 1,
                  "disc_wine.png");

    const std::string win = temp.File("win/");
    fs::create_directories(win + "start");
    fs::copy_file(kWindowsBin + "/launcher/win32/Velomar.exe", win + "start/Velomar.exe");
    fs::copy(art, win + "art", fs::copy_options::recursive);
    std::string windowsPath = "Z:" + win, out;
    std::replace(windowsPath.begin(), windowsPath.end(), '/', '\\');
    const std::string maker = kWindowsBin + "/tests/windows/win32/velomar_forge_disc.exe";
    ASSERT_EQ(xtest::Run(wine.Program(maker, {windowsPath, "wiring"}), 300000, &out), 0) << out;
    EXPECT_TRUE(sandbox::ReadBytes(win + "made.dat") == sandbox::ReadBytes(folder + "AppSetup.dat"))
        << "the editors saved the same steps differently";
    std::string tree;
    TreeTexts(Tree(), Tree()->GetRootItem(), 0, &tree);
    EXPECT_EQ(sandbox::ReadBytes(win + "tree.txt"), tree);
    Surface windowsPreview;
    ASSERT_TRUE(scenes::ReadDump(win + "preview.raw", &windowsPreview));
    ASSERT_TRUE(windowsPreview.width == shown.width && windowsPreview.height == shown.height);
    Save(windowsPreview, "disc_win_preview.png");
    const xtest::Comparison diff = xtest::Compare(windowsPreview, shown, 0);
    EXPECT_EQ(diff.differing, 0) << "worst " << diff.worst;
}

}  // namespace
