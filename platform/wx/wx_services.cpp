#include "platform/wx/wx_services.h"

#include <wx/msgdlg.h>
#include <wx/strconv.h>
#include <wx/string.h>

#include <cstdlib>
#include <fstream>

#include "platform/platform.h"
#include "platform/wx/shell_launch.h"

namespace platform::wx {

namespace {
// Texts from AppSetup.dat are Windows single-byte text; show them as UTF-8
// when they are valid UTF-8, else as Windows-1252.
wxString ToWx(const std::string& text) {
    wxString s = wxString::FromUTF8(text.data(), text.size());
    if (s.empty() && !text.empty()) {
        wxCSConv windows1252(wxFONTENCODING_CP1252);
        s = wxString(text.data(), windows1252, text.size());
    }
    return s;
}

std::string RealPathOf(const std::string& path) {
    System* system = Current().system;
    return system ? system->RealPath(path) : path;
}
}  // namespace

WxServices::WxServices(std::string caption) : caption_(std::move(caption)) {
    if (const char* log = std::getenv("VELOMAR_MESSAGE_LOG")) messageLog_ = log;
}

MessageAnswer WxServices::ShowMessage(const std::string& text, MessageButtons buttons) {
    if (!messageLog_.empty()) {
        std::ofstream(messageLog_, std::ios::app | std::ios::binary) << text << '\0';
    }
    const bool question = buttons == MessageButtons::YesNo;
    int style = wxICON_EXCLAMATION | (question ? wxYES_NO : wxOK);
    int answer = wxMessageBox(ToWx(text), ToWx(caption_), style);
    if (!question) return MessageAnswer::Ok;
    return answer == wxYES ? MessageAnswer::Yes : MessageAnswer::No;
}

void WxServices::Trace(const std::string&) {}

void WxServices::PlaySoundFile(const std::string& path) { player_.Play(RealPathOf(path)); }

bool WxServices::ShellExecuteFile(Window*, const char* verb, const std::string& file,
                                  const char* params) {
    const std::vector<std::string> plan = PlanShellExecute(verb, file, params, Current().system);
    // An opener that finds nothing to open the target says so by its status.
    const bool opener = !plan.empty() && IsDesktopOpener(plan[0]);
    return SpawnDetached(plan, opener ? OPENER_WATCH_MS : 0);
}

}  // namespace platform::wx
