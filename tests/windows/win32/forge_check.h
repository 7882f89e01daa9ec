// The Windows editor's tests drive its real windows in-process: dialogs are
// answered by scripted steps, messages to the user go to a recorder that
// scripts the answers. Failures print to stdout, which the Linux test reads.
#pragma once

#include <functional>
#include <initializer_list>
#include <sstream>
#include <string>
#include <utility>

#include "editor/win32/windows_api.h"
#include "platform/headless/recording_services.h"

class CMainFrame;

namespace forge_test {

extern int failures;

template <typename A, typename B>
void CheckEqual(const A& a, const B& b, const char* as, const char* bs, int line) {
    if (a == b) return;
    std::ostringstream out;
    out << "line " << line << ": " << as << " == " << bs << "\n  got:      " << a
        << "\n  expected: " << b << "\n";
    std::fputs(out.str().c_str(), stdout);
    ++failures;
}
#define CHECK(cond) forge_test::CheckEqual(bool(cond), true, #cond, "true", __LINE__)
#define CHECK_EQ(a, b) forge_test::CheckEqual((a), (b), #a, #b, __LINE__)

// Messages to the user and shell calls, recorded; answers scripted.
extern platform::RecordingServices recorder;

// The Win32 platform with the recorder, the dialog steps and an empty registry
// but for the start-up wizard, off; `scratch` holds start\Velomar.exe.
void Start(const std::string& scratch);
std::string Scratch(const std::string& name);
// Messages through the system's message box, as the user meets them, instead
// of the recorder; false goes back to the recorder.
void SystemMessages(bool on);
// A menu command, then what it queued (posted refreshes).
void Command(CMainFrame& frame, int id);
void Pump();

// A step run on the next dialog with this caption, once it shows; true when
// every expected dialog came (one not expected is a failure of its own).
using DialogStep = std::function<void(HWND dialog)>;
void ExpectDialog(const std::string& caption, DialogStep step);
bool DialogsDone();
// Texts typed into a dialog's fields in order; an empty text clicks the button.
void Fill(HWND dialog, std::initializer_list<std::pair<int, std::string>> fields);
std::string Text(HWND dialog, int id);

// The frame's template tree: a node by its path of texts below the root
// ("Hyper-Links", "Quit"), a node's text, and a key pressed on a node.
HTREEITEM FindNode(CMainFrame& frame, std::initializer_list<const char*> path);
std::string NodeText(HWND tree, HTREEITEM item);
void PressOn(CMainFrame& frame, HTREEITEM item, WPARAM key);
// A key on a node opens the dialog with this caption for `step`; then the refresh it queued.
void Edit(CMainFrame& frame, std::initializer_list<const char*> path, WPARAM key,
          const std::string& caption, DialogStep step);

// Each dialog opened from the frame: whether it owns the messages and system
// dialogs it raises (forge_dialogs.cpp), and whether its captions show whole.
void DialogsOwnAndShowWhole(CMainFrame& frame);
// The project named at start opens before the frame shows; a message from it
// comes over the frame, shown.
void StartMessageOverFrame();
// The frame against the controller's tables (forge_mirror.cpp).
void Mirror(CMainFrame& frame);

}  // namespace forge_test
