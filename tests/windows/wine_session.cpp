#include "wine_session.h"

#include <sys/wait.h>

#include <filesystem>

namespace wintest {

WineSession& WineSession::Get() {
    static WineSession session;
    return session;
}

WineSession::WineSession() {
    if (!screen_.ok()) {
        error_ = "no Xvfb display could be started";
        return;
    }
    env_ = {"DISPLAY=" + screen_.name(), "WINEPREFIX=" VELOMAR_WINE_PREFIX, "WINEDEBUG=-all",
            // No Mono or Gecko prompts; no sound device on a test machine.
            "WINEDLLOVERRIDES=mscoree,mshtml=;winealsa.drv,winepulse.drv=d"};
    std::filesystem::create_directories(VELOMAR_WINE_PREFIX);
    // A server of this prefix left by a run that crashed holds old state.
    xtest::Run({{VELOMAR_WINESERVER, "-k"}, "", env_}, 10000);
    // Our own server, which outlives the command that starts it.
    xtest::Child server({{VELOMAR_WINESERVER, "-p"}, "", env_});
    if (!server.WaitExit(10000)) {
        error_ = "wineserver did not start";
        return;
    }
    started_ = true;
    if (xtest::Run({{VELOMAR_WINE64, "wineboot"}, "", env_}, 180000) != 0)
        error_ = "wineboot failed in " VELOMAR_WINE_PREFIX;
}

WineSession::~WineSession() {
    if (started_) xtest::Run({{VELOMAR_WINESERVER, "-k"}, "", env_}, 10000);
}

xtest::Command WineSession::Program(const std::string& exe, const std::vector<std::string>& args,
                                    const std::string& cwd) const {
    xtest::Command command{{VELOMAR_WINE64, exe}, cwd, env_};
    command.argv.insert(command.argv.end(), args.begin(), args.end());
    return command;
}

std::string ScratchDir(const std::string& name) {
    const std::filesystem::path dir = std::filesystem::path(VELOMAR_TEST_SCRATCH) / name;
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    return dir.string();
}

}  // namespace wintest
