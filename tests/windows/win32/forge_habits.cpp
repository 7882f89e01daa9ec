// The Windows editor's recent projects (kept in the registry) and the link
// dialog's "Add to Disc..." and colour swatches, on the sample project.
#include <memory>
#include <string>

#include "editor/dialogs/add_to_disc.h"
#include "editor/win32/demo_wnd.h"
#include "editor/win32/main_frame.h"
#include "editor/win32/resource.h"
#include "editor/win32/tree_view.h"
#include "forge_check.h"

using namespace forge_test;

namespace {

std::unique_ptr<CMainFrame> MakeFrame(const std::string& scratch) {
    ForgeOptions options;
    options.StartFolder = scratch + "start\\";
    options.DocumentsFolder = scratch + "docs";
    auto frame = std::make_unique<CMainFrame>(options);
    CHECK(frame->Create());
    ShowWindow(frame->hwnd(), SW_SHOWNORMAL);
    Pump();
    return frame;
}

int RecentEntries(CMainFrame& frame) {
    HMENU file = GetSubMenu(GetMenu(frame.hwnd()), 0);
    int n = 0;
    for (UINT id = ID_RECENT_FIRST; id <= ID_RECENT_LAST; ++id)
        n += GetMenuState(file, id, MF_BYCOMMAND) != UINT(-1);
    return n;
}

COLORREF Painted(HWND dialog, int swatch) {
    HWND control = GetDlgItem(dialog, swatch);
    UpdateWindow(control);
    RECT r = {};
    GetClientRect(control, &r);
    HDC dc = GetDC(control);
    const COLORREF c = GetPixel(dc, r.right / 2, r.bottom / 2);
    ReleaseDC(control, dc);
    return c;
}

}  // namespace

void HabitsGroup(const std::string& scratch, Recorder& recorder) {
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Harlune\\VelomarForge");
    CRegSettings(CMainFrame::BASE_KEY, std::string()).SetInt(CMainFrame::GENERAL, "ShowIntroWizard", 0);
    const std::string sample = scratch + "sample\\";
    auto frame = MakeFrame(scratch);
    frame->OpenFolder(sample);
    CHECK_EQ(RecentEntries(*frame), 1);

    // Windows paths: letter case does not tell folders apart.
    std::string relative, stored;
    CreateDirectoryA((sample + "tools").c_str(), nullptr);
    CHECK(DiscFolderName(sample, scratch + "SAMPLE\\Tools", &relative) && relative == "Tools");
    CHECK(AddToDisc(scratch + "start\\Velomar.exe", sample, relative, &stored));
    CHECK_EQ(stored, std::string("Tools\\Velomar.exe"));

    ExpectDialog("Hyperlink Properties", [](HWND d) {
        CHECK(Enabled(d, IDC_LINK_ADD_TO_DISC));
        Click(d, IDC_LINK_ABSOLUTE);
        CHECK(!Enabled(d, IDC_LINK_ADD_TO_DISC));
        Type(d, IDC_LINK_TEXT_COLOUR, "0x3366cc");
        CHECK_EQ(Painted(d, IDC_LINK_TEXT_SWATCH), RGB(0x33, 0x66, 0xcc));
        Type(d, IDC_LINK_TEXT_COLOUR, "0x3366c");
        CHECK(Painted(d, IDC_LINK_TEXT_SWATCH) != RGB(0x33, 0x66, 0xcc));
        Click(d, IDC_LINK_RELATIVE);
        Type(d, IDC_LINK_TEXT_COLOUR, "0x3366CC");
        Shot(d, "hyperlink_add_to_disc");
        Click(d, IDCANCEL);
    });
    // Background Image, Audio, Hyper-Links; the sample's third link runs a program.
    HWND tree = frame->TreeView->Tree();
    HTREEITEM links = TreeView_GetNextSibling(
        tree, TreeView_GetNextSibling(tree, TreeView_GetChild(tree, TreeView_GetRoot(tree))));
    TreeView_SelectItem(tree, TreeView_GetNextSibling(tree, TreeView_GetNextSibling(
                                                                tree, TreeView_GetChild(tree, links))));
    SendMessageA(tree, WM_KEYDOWN, VK_RETURN, 0);
    CHECK(DialogsDone());
    DestroyWindow(frame->hwnd());
    Pump();

    // The list outlasts the editor; a project that is gone leaves it with a message.
    frame = MakeFrame(scratch);
    CHECK_EQ(RecentEntries(*frame), 1);
    CHECK(MoveFileA((scratch + "sample").c_str(), (scratch + "moved").c_str()));
    recorder.messages.clear();
    SendMessageA(frame->hwnd(), WM_COMMAND, ID_RECENT_FIRST, 0);
    Pump();
    CHECK(frame->DemoWnd->GetInstallerWnd() == nullptr);
    CHECK_EQ(recorder.messages.size(), 1u);
    CHECK_EQ(RecentEntries(*frame), 0);
    DestroyWindow(frame->hwnd());
    Pump();
}
