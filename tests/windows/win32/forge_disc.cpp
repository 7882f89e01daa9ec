// A disc made through VelomarForge.exe's dialogs, in-process under wine64:
//   velomar_forge_disc SCRATCH [wiring]
// SCRATCH holds start\Velomar.exe and art\ (pictures and sounds lying outside
// any project). The project goes to SCRATCH\docs\Disc and is built; the
// settled preview's pixels go to preview.dump and the tree's texts, one node a
// line indented by depth, to tree.txt, for the Linux side to compare with the
// runtimes and the Linux editor. With "wiring", the frame's commands, keys and
// windows are then tried on that disc (forge_wiring.cpp). Exit 0 when every
// check held.
#include <cstdio>
#include <cstring>
#include <memory>

#include "editor/dialogs/resource_import.h"
#include "editor/project_build.h"
#include "editor/win32/demo_wnd.h"
#include "editor/win32/main_frame.h"
#include "editor/win32/resource.h"
#include "editor/win32/tree_view.h"
#include "engine/installer_wnd.h"
#include "forge_check.h"
#include "platform/platform.h"
#include "platform/win32/backend.h"

using namespace forge_test;

// forge_wiring.cpp
bool RecordHelp();
void Wiring(std::unique_ptr<CMainFrame>& frame);

namespace {

struct Link {
    int action;  // the radio button
    const char* dataA;
    const char* label;
    const char* y;
};
const Link kLinks[] = {
    {IDC_LINK_WEB_SITE, "www.example.com", "Visit our web site", "200"},
    {IDC_LINK_OPEN_FOLDER, "extras", "Open the extras", "250"},
    {IDC_LINK_QUIT, nullptr, "Quit", "320"},
};

// A key on a node, then the refresh it queued.
void Edit(CMainFrame& frame, std::initializer_list<const char*> path, WPARAM key,
          const std::string& caption, DialogStep step) {
    ExpectDialog(caption, std::move(step));
    PressOn(frame, FindNode(frame, path), key);
    CHECK(DialogsDone());
    Pump();
}

void MakeProject(CMainFrame& frame) {
    ExpectDialog("Create a New Project", [](HWND d) {
        CHECK_EQ(Text(d, IDC_PROJECT_LOCATION), Scratch("docs\\Velomar Projects\\Project1"));
        Type(d, IDC_PROJECT_LOCATION, Scratch("docs"));
        Type(d, IDC_PROJECT_NAME, "Disc");
        Click(d, IDOK);
    });
    Command(frame, ID_NEW_PROJECT);
    CHECK(DialogsDone());

    // The background through the system's file dialog, after the note.
    Edit(frame, {"Background Image"}, VK_RETURN, "Main Window Background Properties", [](HWND d) {
        Click(d, IDC_BG_BITMAP_MODE);
        ExpectDialog("Open", [](HWND open) {
            Type(open, 1148, Scratch("art\\background.bmp"));  // the file name field
            Click(open, IDOK);
        });
        Click(d, IDC_BG_BROWSE);
        CHECK_EQ(Text(d, IDC_BG_BITMAP), Scratch("art\\background.bmp"));
        Click(d, IDOK);
    });
    // A still logo, then one that slides in from the right; a refused number
    // keeps the dialog open.
    Edit(frame, {"Bitmaps & Logos"}, VK_INSERT, "Bitmaps & Logos", [](HWND d) {
        Type(d, IDC_LOGO_BITMAP, Scratch("art\\title.bmp"));
        Type(d, IDC_LOGO_X, "x");
        Click(d, IDOK);
        CHECK(IsWindow(d));
        Type(d, IDC_LOGO_X, "40");
        Type(d, IDC_LOGO_Y, "38");
        Type(d, IDC_LOGO_MASK, "0xff00ff");
        Click(d, IDOK);
    });
    Edit(frame, {"Bitmaps & Logos"}, VK_INSERT, "Bitmaps & Logos", [](HWND d) {
        Type(d, IDC_LOGO_BITMAP, Scratch("art\\disc.bmp"));
        Type(d, IDC_LOGO_X, "484");
        Type(d, IDC_LOGO_Y, "26");
        Type(d, IDC_LOGO_MASK, "0xff00ff");
        Click(d, IDC_LOGO_ANIMATE);
        Type(d, IDC_LOGO_START_X, "640");
        Type(d, IDC_LOGO_START_Y, "26");
        Type(d, IDC_LOGO_DELAY, "15");
        Click(d, IDOK);
    });
    for (const Link& link : kLinks)
        Edit(frame, {"Hyper-Links"}, VK_INSERT, "Hyperlink Properties", [&link](HWND d) {
            Click(d, link.action);
            if (link.dataA) Type(d, IDC_LINK_DATA_A, link.dataA);
            Type(d, IDC_LINK_LABEL, link.label);
            Type(d, IDC_LINK_X, "70");
            Type(d, IDC_LINK_Y, link.y);
            Type(d, IDC_LINK_FONT_SIZE, "22");
            Type(d, IDC_LINK_TEXT_COLOUR, "0xe2ecf0");
            Type(d, IDC_LINK_HILITE_COLOUR, "0xf3c45c");
            Click(d, IDOK);
        });
    Edit(frame, {"Audio"}, VK_RETURN, "Audio Properties", [](HWND d) {
        Type(d, IDC_AUDIO_INTRO, Scratch("art\\startup.wav"));
        Type(d, IDC_AUDIO_HOVER, Scratch("art\\hover.wav"));
        Click(d, IDOK);
    });
    // The note before the browse, then the logo's refused number.
    CHECK_EQ(recorder.messages.size() == 2 ? recorder.messages[0] : "",
             std::string(RESOURCE_BROWSE_NOTE));
}

// The menu window's client area, read through its own DC.
std::vector<std::uint32_t> Grab(platform::Window& menu, int* width, int* height) {
    platform::Graphics& g = *platform::Current().graphics;
    const platform::Rect client = menu.GetClientRect();
    platform::DC* screen = menu.GetDC();
    auto memory = g.CreateCompatibleDC(screen);
    auto bitmap = g.CreateCompatibleBitmap(screen, client.right, client.bottom);
    platform::Bitmap* old = memory->SelectBitmap(bitmap.get());
    memory->BitBlt(0, 0, client.right, client.bottom, *screen, 0, 0, platform::Rop::SrcCopy);
    memory->SelectBitmap(old);
    menu.ReleaseDC(screen);
    std::vector<std::uint32_t> pixels;
    platform::win32::ReadPixels(*bitmap, width, height, &pixels);
    return pixels;
}

// Two grabs half a second apart that are equal: the animation is over.
bool WriteSettledPreview(CMainFrame& frame, const std::string& file) {
    std::vector<std::uint32_t> last;
    int w = 0, h = 0;
    for (int i = 0; i < 60; ++i) {
        for (int j = 0; j < 25; ++j) Pump();  // the animation runs on this thread's timers
        std::vector<std::uint32_t> now = Grab(*frame.DemoWnd->GetInstallerWnd()->Wnd, &w, &h);
        if (now != last) {
            last = std::move(now);
            continue;
        }
        FILE* f = std::fopen(file.c_str(), "wb");
        const std::uint32_t size[2] = {std::uint32_t(w), std::uint32_t(h)};
        const bool ok = f && std::fwrite(size, 4, 2, f) == 2 &&
                        std::fwrite(last.data(), 4, last.size(), f) == last.size();
        return f && std::fclose(f) == 0 && ok;
    }
    return false;
}

void WriteTree(HWND tree, HTREEITEM item, int depth, FILE* f) {
    for (; item; item = TreeView_GetNextSibling(tree, item)) {
        std::fprintf(f, "%s%s\n", std::string(std::size_t(depth) * 2, ' ').c_str(),
                     NodeText(tree, item).c_str());
        WriteTree(tree, TreeView_GetChild(tree, item), depth + 1, f);
    }
}

// The stamps the preview's picture cache trusts: the size, a change seen;
// nothing for a folder.
void StampChecks() {
    platform::System& system = *platform::Current().system;
    const std::string picture = Scratch("art\\title.bmp");
    platform::FileStamp before, after;
    CHECK(system.GetFileStamp(picture, &before));
    if (FILE* f = std::fopen(picture.c_str(), "ab")) {
        std::fputc(0, f);
        std::fclose(f);
    }
    CHECK(system.GetFileStamp(picture, &after) && after.size == before.size + 1);
    CHECK(!system.GetFileStamp(Scratch("art"), &after));
}

}  // namespace

int main(int argc, char** argv) {
    if (RecordHelp()) return 0;
    const bool wiring = argc == 3 && std::strcmp(argv[2], "wiring") == 0;
    if (argc != 2 && !wiring) {
        std::puts("usage: velomar_forge_disc SCRATCH [wiring]");
        return 2;
    }
    Start(argv[1]);
    SetWizardAtStartup(false);
    auto frame = MakeFrame();
    MoveWindow(frame->hwnd(), 0, 0, 1020, 760, TRUE);
    MakeProject(*frame);
    recorder.messages.clear();
    recorder.answers = {platform::MessageAnswer::No};
    Command(*frame, ID_BUILD_PROJECT);
    CHECK_EQ(recorder.messages.size() == 1 ? recorder.messages[0] : "",
             std::string(BUILD_DONE_QUESTION));
    CHECK(!frame->DemoWnd->Modified());

    // The pointer off every link, as the Linux side leaves it for the runtimes.
    SetCursorPos(1020, 760);
    CHECK(WriteSettledPreview(*frame, Scratch("preview.dump")));
    if (FILE* f = std::fopen(Scratch("tree.txt").c_str(), "wb")) {
        HWND tree = frame->TreeView->Tree();
        WriteTree(tree, TreeView_GetRoot(tree), 0, f);
        std::fclose(f);
    }
    if (wiring)
        Wiring(frame);
    else
        Close(frame);
    StampChecks();
    std::printf("disc: %d failure(s)\n", failures);
    std::fflush(stdout);
    return failures == 0 ? 0 : 1;
}
