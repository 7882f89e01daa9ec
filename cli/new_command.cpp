#include <CLI/CLI.hpp>
#include <memory>
#include <string>

#include "cli/cli_context.h"
#include "cli/folder_argument.h"
#include "editor/project_lifecycle.h"
#include "engine/installer_wnd.h"

void RegisterNewCommand(CLI::App& app, CliContext& context) {
    auto folder = std::make_shared<std::string>();
    auto force = std::make_shared<bool>(false);
    CLI::App* cmd = app.add_subcommand(
        "new",
        "Create a project as New Project does: every missing folder, \"res\" and a default "
        "scrambled AppSetup.dat.");
    cmd->add_option("DIR", *folder, "Project folder")->required()->check(NonEmptyFolder);
    cmd->add_flag("--force,--yes", *force,
                  "Replace an existing AppSetup.dat without asking (otherwise the overwrite "
                  "question is answered No)");
    cmd->callback([&context, folder, force] {
        context.services.AnswerYes(*force);
        const int declined = context.services.Declined();
        context.status = CreateNewProject(*folder) ? kExitOk : kExitFailure;
        if (context.services.Declined() > declined)
            context.services.ShowMessage("Nothing was replaced: add --force to overwrite it.",
                                         platform::MessageButtons::Ok);
    });
}
