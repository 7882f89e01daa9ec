// velomarforge-cli: make, inspect and convert Velomar projects without a GUI.
#include <CLI/CLI.hpp>
#include <string>

#include <new>

#include "cli/cli_context.h"
#include "velomar_version.h"

namespace {

// The parser would only say that a command is required.
bool IsUnknownCommand(CLI::App& app, const char* word) {
    if (word[0] == '-') return false;
    for (const CLI::App* command : app.get_subcommands({}))
        if (command->get_name() == word) return false;
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{
        "Headless tool for Velomar disc-menu projects.\n"
        "Exit status: 0 success, 1 failure (the message is on stderr), 2 usage error."};
    app.require_subcommand(1);
    app.set_version_flag("--version", "velomarforge-cli " VELOMAR_VERSION,
                         "Print the version and exit");

    CliContext context;
    context.Install();
    RegisterNewCommand(app, context);
    RegisterShowCommand(app, context);
    RegisterCodecCommands(app, context);
    RegisterResaveCommand(app, context);
    RegisterSetCommand(app, context);
    RegisterRenderCommand(app, context);
    RegisterBuildCommand(app, context);
    RegisterImageCommand(app, context);

    if (argc > 1 && IsUnknownCommand(app, argv[1])) {
        context.services.ShowMessage(std::string("Unknown command: ") + argv[1] +
                                         "\nRun velomarforge-cli --help for the commands.",
                                     platform::MessageButtons::Ok);
        return kExitUsage;
    }
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        // Help is a success; every other parse error is a usage error.
        return app.exit(e) == 0 ? kExitOk : kExitUsage;
    } catch (const std::bad_alloc&) {
        context.Install();  // a command's own platform is gone with its frame
        platform::ReportOutOfMemory();
        return kExitFailure;
    }
    return context.status;
}
