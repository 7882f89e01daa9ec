// The editor's dialogs as windows: who owns what they raise, and whether
// their captions show whole.
#include <cstdio>

#include "editor/win32/main_frame.h"
#include "editor/win32/project_wizard_dlg.h"
#include "editor/win32/resource.h"
#include "forge_check.h"

namespace forge_test {

namespace {

const char* kMessage = "velomar_forge_disc";  // the message box's caption: this program

// Every static text shows whole in its font: one line fits its width, a taller
// control holds the text wrapped. Paths are drawn with an ellipsis by design.
void CheckCaptions(HWND dialog) {
    for (HWND c = GetWindow(dialog, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        char kind[16] = {};
        wchar_t text[512] = {};
        const LONG style = GetWindowLongA(c, GWL_STYLE);
        GetClassNameA(c, kind, sizeof kind);
        if (lstrcmpiA(kind, "Static") != 0 || (style & SS_TYPEMASK) > SS_RIGHT ||
            (style & SS_ELLIPSISMASK) || !IsWindowVisible(c) || !GetWindowTextW(c, text, 512))
            continue;
        RECT box = {}, wrapped = {};
        GetClientRect(c, &box);
        wrapped.right = box.right;
        HDC dc = GetDC(c);
        HGDIOBJ old = SelectObject(dc, HGDIOBJ(SendMessageA(c, WM_GETFONT, 0, 0)));
        TEXTMETRICW metrics = {};
        GetTextMetricsW(dc, &metrics);
        SIZE line = {};
        GetTextExtentPoint32W(dc, text, lstrlenW(text), &line);
        DrawTextW(dc, text, -1, &wrapped, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
        SelectObject(dc, old);
        ReleaseDC(c, dc);
        if (box.bottom < 2 * metrics.tmHeight ? line.cx <= box.right && line.cy <= box.bottom
                                              : wrapped.bottom <= box.bottom)
            continue;
        std::printf("cut off: \"%ls\" needs %ld, has %ld\n", text, line.cx, box.right);
        ++failures;
    }
}

void Dismiss(HWND window) { PostMessageA(window, WM_COMMAND, IDCANCEL, 0); }

// A button of the dialog raises these windows in turn, each owned by the
// dialog and dismissed; the frame stays disabled, and takes no Exit, throughout.
void Raise(HWND frame, HWND dialog, int button, std::initializer_list<const char*> raised) {
    for (const char* caption : raised)
        ExpectDialog(caption, [frame, dialog](HWND shown) {
            CHECK_EQ(GetWindow(shown, GW_OWNER), dialog);
            CHECK(!IsWindowEnabled(dialog) && !IsWindowEnabled(frame));
            Dismiss(shown);
        });
    Fill(dialog, {{button, ""}});
    CHECK(DialogsDone());
    CHECK(IsWindowEnabled(dialog) && !IsWindowEnabled(frame));
    SendMessageA(frame, WM_COMMAND, ID_EXIT, 0);
    MSG close;
    CHECK(!PeekMessageA(&close, frame, WM_CLOSE, WM_CLOSE, PM_REMOVE));
}

// The dialog a node opens: its captions, what `script` raises, then Cancel.
void Open(CMainFrame& frame, std::initializer_list<const char*> node, const char* caption,
          void (*script)(HWND, HWND)) {
    Edit(frame, node, VK_RETURN, caption, [&frame, script](HWND d) {
        CheckCaptions(d);
        script(frame.hwnd(), d);
        Dismiss(d);
    });
}

}  // namespace

void DialogsOwnAndShowWhole(CMainFrame& frame) {
    SystemMessages(true);
    ExpectDialog("Create a New Project", [&frame](HWND d) {
        CheckCaptions(d);
        Raise(frame.hwnd(), d, IDC_BROWSE_LOCATION, {"Browse for Folder"});
        Fill(d, {{IDC_PROJECT_NAME, "a\\b"}});
        Raise(frame.hwnd(), d, IDOK, {kMessage});
        Dismiss(d);
    });
    Command(frame, ID_NEW_PROJECT);
    CHECK(DialogsDone());

    Open(frame, {"Background Image"}, "Main Window Background Properties", [](HWND f, HWND d) {
        Raise(f, d, IDC_BG_BROWSE, {kMessage, "Open"});
        CHECK(IsWindowEnabled(GetDlgItem(d, IDC_DISC_ICON_BROWSE)));  // the disc autoplays
        Raise(f, d, IDC_DISC_ICON_BROWSE, {kMessage, "Open"});
        Fill(d, {{IDC_DISC_AUTOPLAY, ""}});
        CHECK(!IsWindowEnabled(GetDlgItem(d, IDC_DISC_ICON_BROWSE)));
    });
    Open(frame, {"Audio"}, "Audio Properties", [](HWND f, HWND d) {
        Raise(f, d, IDC_AUDIO_HOVER_BROWSE, {kMessage, "Open"});
    });
    // As reported: a bad X in a logo's dialog.
    Open(frame, {"Bitmaps & Logos", "res\\title.bmp"}, "Bitmaps & Logos", [](HWND f, HWND d) {
        Fill(d, {{IDC_LOGO_X, "x"}});
        Raise(f, d, IDOK, {kMessage});
        Raise(f, d, IDC_LOGO_MASK_CHOOSE, {"Color"});
    });
    // Each action shows its own captions; a text the project cannot hold is
    // no error while the preview shows it, only at OK.
    Open(frame, {"Hyper-Links", "Visit our web site"}, "Hyperlink Properties",
         [](HWND f, HWND d) {
             for (int action : {IDC_LINK_BROWSE_CD, IDC_LINK_WEB_SITE, IDC_LINK_QUIT, IDC_LINK_RUN,
                                IDC_LINK_OPEN_FOLDER}) {
                 Fill(d, {{action, ""}});
                 CheckCaptions(d);
             }
             Fill(d, {{IDC_LINK_ABSOLUTE, ""}});
             Raise(f, d, IDC_LINK_BROWSE, {"Browse for Folder"});
             Fill(d, {{IDC_LINK_RUN, ""}, {IDC_LINK_X, "x"}});
             Raise(f, d, IDC_LINK_ADD_TO_DISC, {"Open"});
             SetDlgItemTextW(d, IDC_LINK_LABEL, L"\x0416");
             Raise(f, d, IDOK, {kMessage});
         });

    for (const char* caption : {"About VelomarForge", "Project Wizard"})
        ExpectDialog(caption, [](HWND d) {
            CheckCaptions(d);
            Dismiss(d);
        });
    Command(frame, ID_ABOUT);
    CProjectWizardDlg().DoModal(frame.hwnd());
    CHECK(DialogsDone());
    SystemMessages(false);
}

void StartMessageOverFrame() {
    SystemMessages(true);
    CMainFrame frame(EditorOptions{Scratch("start\\"), "", Scratch("no project\\"), {}, '\\'});
    CHECK(frame.Create());
    ExpectDialog(kMessage, [&frame](HWND box) {
        CHECK_EQ(GetWindow(box, GW_OWNER), frame.hwnd());
        CHECK(IsWindowVisible(frame.hwnd()));
        Dismiss(box);
    });
    frame.ShowAtStart();
    CHECK(DialogsDone());
    DestroyWindow(frame.hwnd());
    Pump();
    SystemMessages(false);
}

}  // namespace forge_test
