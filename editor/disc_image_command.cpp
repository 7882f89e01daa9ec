// Make Disc Image: the build (without Build's question: the image is what the
// user asked for), a file to save the image as, xorriso under a progress
// display that can stop it, and the one offer to show the result.
#include <filesystem>

#include "editor/disc_image/disc_image.h"
#include "editor/disc_image/image_report.h"
#include "editor/disc_image/volume_label.h"
#include "editor/editor_controller.h"
#include "editor/show_folder.h"
#include "engine/installer_wnd.h"
#include "platform/platform.h"

namespace fs = std::filesystem;

bool DiscImagesAvailable() { return true; }

void EditorController::MakeDiscImage() {
    auto ask = [](const std::string& text, platform::MessageButtons buttons) {
        return platform::Current().services->ShowMessage(text, buttons);
    };
    // Before the build: without xorriso there is nothing to build for.
    const std::string xorriso = FindXorriso();
    if (xorriso.empty()) {
        ask(XORRISO_MISSING, platform::MessageButtons::Ok);
        return;
    }
    if (!SaveAndBuild()) return;
    const CInstallerWnd* project = Project();
    const std::string title = TextOf(project->Settings->WindowTitle);
    // Beside the project folder, not in it: an image inside would be left out
    // of the next one, but it still costs the user a surprise.
    const std::string parent =
        fs::path(project->ProjectFolder).parent_path().parent_path().string();
    std::string path;
    if (!face_.AskImagePath(parent, IsoVolumeLabel(title) + ".iso", &path) || path.empty()) return;

    std::uintmax_t size = 0;
    ImageResult result = ImageResult::Failed;
    face_.RunWithProgress([&](const EditorFace::Progress& progress) {
        result = WriteDiscImage({project->ProjectFolder, path, title, xorriso}, progress, &size);
    });
    if (result != ImageResult::Written) return;
    if (ask(DiscImageWrittenQuestion(path, size), platform::MessageButtons::YesNo) ==
        platform::MessageAnswer::Yes)
        ShowFolder(fs::path(path).parent_path().string());
}
