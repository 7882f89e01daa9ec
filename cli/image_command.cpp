#include <CLI/CLI.hpp>
#include <csignal>
#include <memory>
#include <string>

#include "cli/build_command.h"
#include "cli/cli_context.h"
#include "cli/folder_argument.h"
#include "editor/disc_image/disc_image.h"
#include "editor/disc_image/source_date.h"
#include "editor/project_lock.h"
#include "platform/platform.h"

namespace {

struct ImageOptions {
    std::string folder;
    std::string output;
    std::string label;
    std::string runtime;
    bool quiet = false;
};

volatile std::sig_atomic_t interrupted = 0;

void OnInterrupt(int) { interrupted = 1; }

// Ctrl+C or a kill stops xorriso through the cancel path, so no partial image
// is left behind; the old handlers come back afterwards.
class InterruptGuard {
  public:
    InterruptGuard() {
        interrupted = 0;
        struct sigaction action {};
        action.sa_handler = OnInterrupt;
        sigemptyset(&action.sa_mask);
        sigaction(SIGINT, &action, &oldInt_);
        sigaction(SIGTERM, &action, &oldTerm_);
        sigaction(SIGHUP, &action, &oldHup_);
    }
    ~InterruptGuard() {
        sigaction(SIGINT, &oldInt_, nullptr);
        sigaction(SIGTERM, &oldTerm_, nullptr);
        sigaction(SIGHUP, &oldHup_, nullptr);
    }

  private:
    struct sigaction oldInt_ {
    }, oldTerm_{}, oldHup_{};
};

// "Writing the disc image: 45%", rewritten in place while xorriso runs.
std::string ProgressLine(int percent) {
    const std::string line = "Writing the disc image";
    return percent < 0 ? line + "..." : line + ": " + std::to_string(percent) + "%";
}

int Image(const ImageOptions& options, StderrServices& services) {
    // Checked first: without xorriso the project is not touched either.
    const std::string xorriso = FindXorriso();
    if (xorriso.empty()) {
        platform::Current().services->ShowMessage(XORRISO_MISSING, platform::MessageButtons::Ok);
        return kExitFailure;
    }
    // Refused before the build, so that a refused call changes nothing.
    std::int64_t date = 0;
    std::string refusal = ReadSourceDateEpoch(&date);
    if (refusal.empty()) refusal = ImageOutputRefusal(options.folder, options.output);
    if (!refusal.empty()) {
        platform::Current().services->ShowMessage(refusal, platform::MessageButtons::Ok);
        return kExitFailure;
    }
    // One lock for the build and the image: no other run changes the folder
    // between the two.
    const ProjectLock lock(options.folder);
    if (!lock.Held()) return kExitFailure;
    std::string title;
    const int built = BuildFolder(options.folder, options.runtime, options.quiet, &title);
    if (built != kExitOk) return built;

    InterruptGuard guard;
    const DiscImageJob job{options.folder, options.output,
                           options.label.empty() ? title : options.label, xorriso};
    int shown = -2;
    const ImageResult result = WriteDiscImage(job, [&](int percent) {
        if (percent != shown) services.ShowProgress(ProgressLine(percent));
        shown = percent;
        return interrupted == 0;
    });
    services.EndProgress();
    switch (result) {
        case ImageResult::Written:
            return kExitOk;
        case ImageResult::Cancelled:
            platform::Current().services->ShowMessage("Interrupted: no disc image was written.",
                                                      platform::MessageButtons::Ok);
            return kExitFailure;
        case ImageResult::Failed:
            break;
    }
    return kExitFailure;
}

}  // namespace

void RegisterImageCommand(CLI::App& app, CliContext& context) {
    auto options = std::make_shared<ImageOptions>();
    CLI::App* cmd = app.add_subcommand(
        "image",
        "Build the project as `build` does, then write an ISO 9660 image of the project folder "
        "with Joliet and Rock Ridge names, by running xorriso (found on PATH). Temporary files "
        "left by stopped runs, links leading out of the folder, pipes and devices are left out "
        "and named on stderr. Runs on one project wait for each other (up to 30 s). Every date "
        "in the image is SOURCE_DATE_EPOCH (seconds since 1970, UTC) when set, else that of "
        "the newest file other than AppSetup.dat, autorun.inf and Velomar.exe, so the same "
        "folder gives the same image. While xorriso writes, a terminal shows the progress on one "
        "line of stderr.");
    cmd->add_option("DIR", options->folder, "Project folder")->required()->check(NonEmptyFolder);
    cmd->add_option("OUT", options->output,
                    "The image file to write: a new name or a file, which is replaced (never "
                    "a folder, device, pipe or socket); inside the project folder only a new "
                    "name, in any letter case, or an earlier image")
        ->required()
        ->check(NonEmpty("OUT", "OUT.iso", "non-empty file name"));
    cmd->add_option("--label", options->label,
                    "Volume name (default: the project's WindowTitle); the ISO 9660 label keeps "
                    "A-Z, 0-9 and _ (at most 32), the Joliet name the text itself (16 characters)");
    AddRuntimeOption(cmd, options->runtime);
    AddQuietOption(cmd, options->quiet);
    cmd->callback([&context, options] { context.status = Image(*options, context.services); });
}
