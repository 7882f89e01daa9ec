// Make Disc Image: the build (without Build's question: the image is what the
// user asked for), a file to save the image as, xorriso under a progress dialog
// that can stop it, and the one offer to show the result.
#include <wx/filedlg.h>
#include <wx/filename.h>
#include <wx/progdlg.h>

#include <filesystem>

#include "editor/disc_image/disc_image.h"
#include "editor/disc_image/image_report.h"
#include "editor/disc_image/volume_label.h"
#include "editor/show_folder.h"
#include "editor/wx/demo_wnd.h"
#include "editor/wx/main_frame.h"
#include "engine/installer_wnd.h"
#include "platform/platform.h"

namespace fs = std::filesystem;

namespace {

platform::MessageAnswer Ask(const std::string& text, platform::MessageButtons buttons) {
    return platform::Current().services->ShowMessage(text, buttons);
}

}  // namespace

// Beside the project folder, not in it: an image inside would be left out of
// the next one, but it still costs the user a surprise.
std::string CMainFrame::AskImagePath(const std::string& projectFolder, const std::string& label) {
    const fs::path parent = fs::path(projectFolder).parent_path().parent_path();
    wxFileDialog dialog(this, "Make Disc Image", wxString::FromUTF8(parent.string()),
                        wxString::FromUTF8(label + ".iso"), "Disc images (*.iso)|*.iso|All files|*",
                        wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
    if (dialog.ShowModal() != wxID_OK) return "";
    // GTK fills the path only once the chooser was on screen.
    const wxFileName chosen = dialog.GetPath().empty()
                                  ? wxFileName(dialog.GetDirectory(), dialog.GetFilename())
                                  : wxFileName(dialog.GetPath());
    return chosen.GetFullPath().utf8_string();
}

void CMainFrame::OnMakeDiscImage(wxCommandEvent&) {
    // Before the build: without xorriso there is nothing to build for.
    const std::string xorriso = FindXorriso();
    if (xorriso.empty()) {
        Ask(XORRISO_MISSING, platform::MessageButtons::Ok);
        return;
    }
    if (!SaveAndBuild()) return;
    const CInstallerWnd* project = DemoWnd->GetInstallerWnd();
    const std::string title = TextOf(project->Settings->WindowTitle);
    const std::string path = AskImagePath(project->ProjectFolder, IsoVolumeLabel(title));
    if (path.empty()) return;

    std::uintmax_t size = 0;
    ImageResult result;
    {
        wxProgressDialog progress(
            "Make Disc Image", "Writing the disc image...", 100, this,
            wxPD_APP_MODAL | wxPD_CAN_ABORT | wxPD_AUTO_HIDE | wxPD_ELAPSED_TIME);
        result = WriteDiscImage(
            {project->ProjectFolder, path, title, xorriso},
            [&progress](int percent) {
                return percent < 0 ? progress.Pulse() : progress.Update(percent);
            },
            &size);
    }
    if (result != ImageResult::Written) return;
    if (Ask(DiscImageWrittenQuestion(path, size), platform::MessageButtons::YesNo) ==
        platform::MessageAnswer::Yes)
        ShowFolder(fs::path(path).parent_path().string());
}
