#include <CLI/CLI.hpp>
#include <memory>
#include <string>

#include "cli/cli_context.h"
#include "cli/folder_argument.h"
#include "editor/project_lock.h"
#include "engine/installer_wnd.h"

namespace {

struct ResaveOptions {
    std::string folder;
    bool plain = false;
    bool scrambled = false;
};

int Resave(const ResaveOptions& options) {
    CInstallerWnd project(options.folder);
    const ProjectLock lock(options.folder);
    if (!lock.Held() || !LoadProject(&project)) return kExitFailure;
    if (options.plain) project.EncryptionType = 0;
    if (options.scrambled) project.EncryptionType = 1;
    return project.SaveSettings() ? kExitOk : kExitFailure;
}

}  // namespace

void RegisterResaveCommand(CLI::App& app, CliContext& context) {
    auto options = std::make_shared<ResaveOptions>();
    CLI::App* cmd =
        app.add_subcommand("resave",
                           "Read AppSetup.dat and write it back in the canonical form, keeping its "
                           "stored form unless told otherwise.");
    cmd->add_option("DIR", options->folder, "Project folder")->required()->check(NonEmptyFolder);
    CLI::Option* plain = cmd->add_flag("--plain", options->plain, "Store the key lines plain");
    CLI::Option* scrambled =
        cmd->add_flag("--scrambled", options->scrambled, "Store the key lines scrambled");
    plain->excludes(scrambled);
    cmd->callback([&context, options] { context.status = Resave(*options); });
}
