// A disc made through VelomarForge.exe's dialogs under wine64 (the Windows
// side is tests/windows/win32/forge_disc.cpp), then: the Linux editor opens it
// with the same tree and saves the same bytes, and Velomar.exe under wine64
// and velomar show what the Windows editor's preview showed, outside the link
// texts (each stack antialiases text its own way).
#include <wx/treectrl.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <thread>

#include "../windows/scenes.h"
#include "../windows/wine_session.h"
#include "editor/wx/tree_view.h"
#include "editor_fixture.h"
#include "engine/installer_wnd.h"
#include "platform/headless/png_writer.h"

using namespace editor_test;
using platform::Rect;
using platform::raster::Surface;

namespace {

// The runtimes centre the 640 x 440 window on their 1024 x 768 screen.
const Rect kClient{193, 165, 831, 603};
const std::string kOut = VELOMAR_GUI_OUT;

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::string WindowsPath(std::string path) {
    for (char& c : path)
        if (c == '/') c = '\\';
    return "Z:" + path;
}

// One node a line, indented by depth, as the Windows side writes them.
void TreeTexts(wxTreeCtrl* tree, wxTreeItemId item, int depth, std::string* out) {
    *out += std::string(std::size_t(depth) * 2, ' ') + tree->GetItemText(item).utf8_string() + "\n";
    wxTreeItemIdValue cookie;
    for (wxTreeItemId c = tree->GetFirstChild(item, cookie); c.IsOk();
         c = tree->GetNextChild(item, cookie))
        TreeTexts(tree, c, depth + 1, out);
}

// Two grabs half a second apart that are equal: the animation is over.
Surface Settled(xtest::XDisplay& screen) {
    Surface last;
    for (int i = 0; i < 60; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
        Surface now = screen.Grab(kClient);
        if (i > 0 && now.pixels == last.pixels) return now;
        last = std::move(now);
    }
    return {};
}

class ForgeDiscTest : public EditorTest {
  protected:
    // A runtime's settled window against the preview, text bands aside, then Escape.
    void ExpectAsPreview(xtest::XDisplay& x, int tolerance, const std::string& png) {
        const Surface shown = Settled(x);
        ASSERT_EQ(shown.width, preview.width);
        ASSERT_EQ(shown.height, preview.height);
        EXPECT_TRUE(platform::WritePng(shown, Rect{0, 0, shown.width, shown.height}, kOut + "/" + png));
        const xtest::Comparison diff = xtest::Compare(shown, preview, tolerance, bands);
        EXPECT_GT(diff.compared, shown.width * shown.height / 2);
        EXPECT_LE(diff.differing, diff.compared / 1000) << "worst " << diff.worst;
        x.PressKey("Escape");
    }

    Surface preview;
    std::vector<Rect> bands;
};

TEST_F(ForgeDiscTest, MadeInTheWindowsEditorOpensAndRunsAlikeEverywhere) {
    const std::string scratch = temp.File("win/");
    fs::create_directories(scratch + "start");
    fs::create_directories(scratch + "art");
    fs::copy_file(VELOMAR_WINDOWS_X86_64_DIR "/launcher/win32/Velomar.exe",
                  scratch + "start/Velomar.exe");
    for (const char* file : {"background.bmp", "title.bmp", "disc.bmp", "startup.wav", "hover.wav"})
        fs::copy_file(temp.File("sample/res/") + file, scratch + "art/" + file);

    wintest::WineSession& wine = wintest::WineSession::Get();
    ASSERT_TRUE(wine.ok()) << wine.error();
    std::string out;
    ASSERT_EQ(xtest::Run(wine.Program(VELOMAR_WINDOWS_X86_64_DIR
                                      "/tests/windows/win32/velomar_forge_disc.exe",
                                      {WindowsPath(scratch)}),
                         300000, &out),
              0)
        << out;
    ASSERT_TRUE(scenes::ReadDump(scratch + "preview.dump", &preview));
    ASSERT_EQ(preview.width, kClient.right - kClient.left);
    EXPECT_TRUE(platform::WritePng(preview, Rect{0, 0, preview.width, preview.height},
                                   kOut + "/forge_disc_preview.png"));
    const std::string folder = scratch + "docs/Disc/";
    const std::string madeOnWindows = ReadAll(folder + "AppSetup.dat");
    ASSERT_FALSE(madeOnWindows.empty());

    {
        SCOPED_TRACE("the Linux editor");
        NoWizard();
        Start(folder);
        CInstallerWnd* project = frame->DemoWnd->GetInstallerWnd();
        ASSERT_NE(project, nullptr) << ::testing::PrintToString(services.messages);
        std::string tree;
        TreeTexts(frame->TreeView->Tree(), frame->TreeView->Tree()->GetRootItem(), 0, &tree);
        EXPECT_EQ(tree, ReadAll(scratch + "tree.txt"));
        EXPECT_EQ(project->Settings->NumberOfHotSpots, 3);
        const int size = std::abs(project->Settings->HotSpotFontSize);
        for (int i = 0; i < project->Settings->NumberOfHotSpots; ++i) {
            const Rect& at = project->Settings->HotSpotRect[i];
            bands.push_back(Rect{at.left - 4, at.top - 4, 638, at.top + 2 * size + 4});
        }
        frame->DemoWnd->SetModified(true);
        ASSERT_TRUE(frame->DemoWnd->SaveProject());
        EXPECT_TRUE(ReadAll(folder + "AppSetup.dat") == madeOnWindows)
            << "the Linux editor's save differs from the Windows editor's";
        Close();
    }
    {
        SCOPED_TRACE("Velomar.exe under wine64");
        xtest::XDisplay& screen = wine.screen();
        screen.MovePointer(1020, 760);
        xtest::Child runtime(wine.Program(folder + "Velomar.exe", {}, folder));
        ASSERT_TRUE(screen.WaitForWindow("Installer Window", 30000));
        ExpectAsPreview(screen, 1, "forge_disc_wine.png");
        EXPECT_TRUE(runtime.WaitExit(15000));
    }
    {
        SCOPED_TRACE("velomar");
        xtest::XDisplay x;
        ASSERT_TRUE(x.ok());
        x.MovePointer(1020, 760);
        xtest::Child runtime(xtest::Command{
            {VELOMAR_BIN_DIR "/velomar"}, folder, {"DISPLAY=" + x.name(), "NO_AT_BRIDGE=1"}});
        ASSERT_TRUE(x.WaitForWindow("Installer Window", 15000));
        ExpectAsPreview(x, 8, "forge_disc_velomar.png");
        EXPECT_TRUE(runtime.WaitExit(10000));
    }
}

}  // namespace
