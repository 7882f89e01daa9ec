// What every command shares: the installed platform and the exit status.
// Commands that draw (render) install their own platform around these pieces.
#pragma once

#include "cli/stderr_services.h"
#include "platform/platform.h"
#include "platform/posix/posix_system.h"

class CInstallerWnd;
namespace CLI {
class App;
}

// Exit statuses of the CLI contract.
constexpr int kExitOk = 0;
constexpr int kExitFailure = 1;  // the system's message is on stderr
constexpr int kExitUsage = 2;

struct CliContext {
    StderrServices services;
    platform::PosixSystem system;
    int status = kExitOk;

    void Install() { platform::Install({nullptr, nullptr, &services, &system}); }
};

// LoadSettings, but a folder without AppSetup.dat is named in our own words
// (the runtime's message speaks of an INI file).
bool LoadProject(CInstallerWnd* project);

// One per command file; main.cpp calls each once.
void RegisterNewCommand(CLI::App& app, CliContext& context);
void RegisterShowCommand(CLI::App& app, CliContext& context);
void RegisterCodecCommands(CLI::App& app, CliContext& context);
void RegisterResaveCommand(CLI::App& app, CliContext& context);
void RegisterSetCommand(CLI::App& app, CliContext& context);
void RegisterRenderCommand(CLI::App& app, CliContext& context);
void RegisterBuildCommand(CLI::App& app, CliContext& context);
void RegisterImageCommand(CLI::App& app, CliContext& context);
