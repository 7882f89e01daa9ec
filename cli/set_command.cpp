#include <CLI/CLI.hpp>
#include <memory>
#include <string>

#include "cli/cli_context.h"
#include "cli/folder_argument.h"
#include "editor/forms/disc_form.h"
#include "editor/project_lock.h"
#include "engine/installer_wnd.h"
#include "platform/platform.h"

namespace {

struct SetOptions {
    std::string folder;
    std::string what;
    std::string value;
};

// The same form as the editors' dialog, so the same checks and import.
int Set(const SetOptions& options) {
    if (options.what == "autoplay" && options.value != "on" && options.value != "off") {
        platform::Current().services->ShowMessage("autoplay takes on or off.",
                                                  platform::MessageButtons::Ok);
        return kExitUsage;
    }
    CInstallerWnd project(options.folder);
    const ProjectLock lock(options.folder);
    if (!lock.Held() || !LoadProject(&project)) return kExitFailure;
    DiscForm form;
    form.Load(project);
    if (options.what == "title") form.title = options.value;
    if (options.what == "autoplay") form.autoPlay = options.value == "on";
    if (options.what == "autoplay-icon") form.iconPath = options.value;
    return form.Store(project) && project.SaveSettings() ? kExitOk : kExitFailure;
}

}  // namespace

void RegisterSetCommand(CLI::App& app, CliContext& context) {
    auto options = std::make_shared<SetOptions>();
    CLI::App* cmd = app.add_subcommand(
        "set",
        "Change one of the disc's settings in AppSetup.dat, as the Background dialog does. "
        "title TEXT: the disc's title (WindowTitle): the image's volume name, the suggested "
        "image name and, with AutoPlay, Explorer's label; no control characters. "
        "autoplay on|off: autorun.inf gives Explorer and AutoPlay the title and the icon "
        "(AutoPlay, AutoPlayIcon). autoplay-icon FILE: an .ico, checked and copied into res "
        "(a name beginning res\\ is the project's own file); \"\" for the runtime's icon.");
    cmd->add_option("DIR", options->folder, "Project folder")->required()->check(NonEmptyFolder);
    cmd->add_option("WHAT", options->what, "title, autoplay or autoplay-icon")
        ->required()
        ->check(CLI::IsMember({"title", "autoplay", "autoplay-icon"}));
    cmd->add_option("VALUE", options->value, "The new value")->required();
    cmd->callback([&context, options] { context.status = Set(*options); });
}
