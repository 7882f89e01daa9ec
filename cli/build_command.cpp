#include "cli/build_command.h"

#include <CLI/CLI.hpp>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <system_error>

#include "cli/cli_context.h"
#include "cli/folder_argument.h"
#include "editor/companion_files.h"
#include "editor/project_build.h"
#include "engine/installer_wnd.h"
#include "platform/terminal_text.h"

namespace {

struct BuildOptions {
    std::string folder;
    std::string runtime;
    bool quiet = false;
};

int Build(const BuildOptions& options) {
    return BuildFolder(options.folder, options.runtime, options.quiet);
}

void PrintReport(const BuildReport& report) {
    const std::string text = ForStream(stdout, BuildReportLines(report) + BuildCountLine(report));
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

}  // namespace

std::string DefaultRuntime() {
    std::error_code ec;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return RUNTIME_NAME;
    return FindStartFolder(self.parent_path().string()) + RUNTIME_NAME;
}

int BuildFolder(const std::string& folder, const std::string& runtime, bool quiet,
                std::string* title) {
    CInstallerWnd project(folder);
    if (!LoadProject(&project)) return kExitFailure;
    if (title) *title = TextOf(project.Settings->WindowTitle);
    // The final question (open the folder?) belongs to the editor; here it is No.
    BuildReport report;
    if (BuildProject(&project, runtime.empty() ? DefaultRuntime() : runtime, &report) !=
        BuildResult::Built)
        return kExitFailure;
    if (!quiet) PrintReport(report);
    return kExitOk;
}

void RegisterBuildCommand(CLI::App& app, CliContext& context) {
    auto options = std::make_shared<BuildOptions>();
    CLI::App* cmd = app.add_subcommand(
        "build",
        "Build the project as Build Current Project does: write autorun.inf, copy the runtime "
        "in as Velomar.exe and delete the regular files in res that nothing names (neither the "
        "settings nor a link's relative RUN or OPEN command, in any spelling either runtime "
        "reads). A res that is a link is not cleaned; used files that cannot go onto the disc "
        "are named on stderr. AppSetup.dat is read, not rewritten. Prints on stdout a line "
        "\"Removed res\\NAME\" for each file deleted from res, \"Kept res\\NAME: a link uses "
        "it\" for each file kept only because a link's command names it, then the count: "
        "\"Removed N files from res; kept M only because a link uses them.\"");
    cmd->add_option("DIR", options->folder, "Project folder")->required()->check(NonEmptyFolder);
    AddRuntimeOption(cmd, options->runtime);
    AddQuietOption(cmd, options->quiet);
    cmd->callback([&context, options] { context.status = Build(*options); });
}

void AddRuntimeOption(CLI::App* command, std::string& runtime) {
    command
        ->add_option("--runtime", runtime,
                     "The Windows runtime to copy (default: Velomar.exe beside this program, or in "
                     "../share/velomar once installed)")
        ->check(NonEmpty("--runtime", "FILE", "non-empty file name"));
}

void AddQuietOption(CLI::App* command, bool& quiet) {
    command->add_flag("--quiet,-q", quiet,
                      "Print no report of the build (warnings and errors still go to stderr)");
}
