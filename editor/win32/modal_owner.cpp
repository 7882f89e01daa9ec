#include "editor/win32/modal_owner.h"

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

#include "platform/platform.h"
#include "platform/win32/backend.h"

namespace {

platform::Window* g_frame = nullptr;

using OpenDialog = std::pair<HWND, std::unique_ptr<platform::Window>>;
std::vector<OpenDialog>& Dialogs() {
    static std::vector<OpenDialog> dialogs;  // innermost last
    return dialogs;
}

void Publish() {
    platform::Window* owner = Dialogs().empty() ? g_frame : Dialogs().back().second.get();
    platform::Current().windows->SetMainWindow(owner);
}

}  // namespace

namespace modal_owner {

void SetFrame(platform::Window* frame) {
    g_frame = frame;
    Publish();
}

void DialogOpened(HWND dialog) {
    Dialogs().emplace_back(dialog, platform::win32::BorrowWindow(dialog));
    Publish();
}

void DialogClosed(HWND dialog) {
    auto& dialogs = Dialogs();
    dialogs.erase(std::remove_if(dialogs.begin(), dialogs.end(),
                                 [dialog](const OpenDialog& d) { return d.first == dialog; }),
                  dialogs.end());
    Publish();
}

HWND Current() {
    if (!Dialogs().empty()) return Dialogs().back().first;
    return static_cast<HWND>(platform::win32::HandleOf(g_frame));
}

bool DialogOpen() { return !Dialogs().empty(); }

}  // namespace modal_owner
