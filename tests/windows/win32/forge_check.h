// The Windows editor's tests drive its real windows in-process: dialogs are
// answered by scripted steps, messages to the user go to a recorder that
// scripts the answers. Failures print to stdout, which the Linux test reads.
#pragma once

#include <deque>
#include <functional>
#include <initializer_list>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "editor/win32/windows_api.h"
#include "platform/services.h"

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

// Messages to the user, recorded; answers are taken in order (No when none is left).
class Recorder : public platform::Services {
  public:
    platform::MessageAnswer ShowMessage(const std::string& text,
                                        platform::MessageButtons buttons) override;
    void Trace(const std::string&) override {}
    bool WantsTrace() const override { return false; }
    void PlaySoundFile(const std::string&) override {}
    bool ShellExecuteFile(platform::Window*, const char* verb, const std::string& file,
                          const char*) override {
        shell.push_back(std::string(verb ? verb : "") + " " + file);
        return true;
    }

    std::vector<std::string> messages;
    std::deque<platform::MessageAnswer> answers;
    std::vector<std::string> shell;
};
extern Recorder recorder;

// The Win32 platform with the recorder, the dialog steps and an empty registry;
// `scratch` holds start\Velomar.exe (the companion files).
void Start(const std::string& scratch);
std::string Scratch(const std::string& name);
void SetWizardAtStartup(bool on);
// A frame as the application makes it, with our companion and documents folders.
std::unique_ptr<CMainFrame> MakeFrame();
void Close(std::unique_ptr<CMainFrame>& frame);
void Command(CMainFrame& frame, int id);

// A step run on the next dialog with this caption, once it shows.
using DialogStep = std::function<void(HWND dialog)>;
void ExpectDialog(const std::string& caption, DialogStep step);
// True when every expected dialog came; one not expected is a failure of its own.
bool DialogsDone();

// Dispatches what is queued (posted refreshes, the wizard's choice).
void Pump();

// Controls of a dialog.
std::string Text(HWND dialog, int id);
void Type(HWND dialog, int id, const std::string& text);
void Click(HWND dialog, int id);

// The frame's template tree: a node's text, a node by its path of texts below
// the root ("Hyper-Links", "Quit"), and a key pressed on a node.
std::string NodeText(HWND tree, HTREEITEM item);
HTREEITEM FindNode(CMainFrame& frame, std::initializer_list<const char*> path);
void PressOn(CMainFrame& frame, HTREEITEM item, WPARAM key);

}  // namespace forge_test
