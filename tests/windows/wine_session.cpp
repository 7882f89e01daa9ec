#include "wine_session.h"

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

namespace wintest {

namespace {

constexpr int kFirstDisplay = 91;
constexpr int kLastDisplay = 140;

bool Exists(const std::string& path) {
    struct stat st;
    return stat(path.c_str(), &st) == 0;
}

}  // namespace

WineSession& WineSession::Get() {
    static WineSession session;
    return session;
}

WineSession::WineSession() {
    if (StartDisplay()) StartWine();
}

WineSession::~WineSession() {
    if (wineStarted_) {
        int code = 0;
        std::string out;
        Launch stop{{VELOMAR_WINESERVER, "-k"}, "", environment_};
        RunCapture(stop, 10000, &out, &code);
    }
    Kill(xvfb_);
}

bool WineSession::StartDisplay() {
    for (int n = kFirstDisplay; n <= kLastDisplay; ++n) {
        std::string name = ":" + std::to_string(n);
        if (Exists("/tmp/.X" + std::to_string(n) + "-lock") ||
            Exists("/tmp/.X11-unix/X" + std::to_string(n)))
            continue;
        pid_t pid = Start(Launch{
            {VELOMAR_XVFB, name, "-screen", "0", "1024x768x24", "-nolisten", "tcp", "-noreset"}});
        for (int waited = 0; waited < 5000; waited += 50) {
            if (Exists("/tmp/.X11-unix/X" + std::to_string(n))) {
                xvfb_ = pid;
                display_ = name;
                return true;
            }
            if (WaitExit(pid, 0)) break;  // lost a race for this number
            usleep(50000);
        }
        Kill(pid);
    }
    error_ = "no Xvfb display could be started";
    return false;
}

bool WineSession::StartWine() {
    environment_ = {"DISPLAY=" + display_, "WINEPREFIX=" + std::string(VELOMAR_WINE_PREFIX),
                    "WINEDEBUG=-all",
                    // No Mono or Gecko prompts; no sound device on a test machine.
                    "WINEDLLOVERRIDES=mscoree,mshtml=;winealsa.drv,winepulse.drv=d"};
    // A server of our own first, then the prefix's start-up (made on first use),
    // each with its output thrown away: no daemon of Wine may inherit a pipe of
    // a test and hold it open.
    std::filesystem::create_directories(VELOMAR_WINE_PREFIX);
    int status = 0;
    // A server of this prefix left by a run that crashed holds old state.
    pid_t stale = Start(Launch{{VELOMAR_WINESERVER, "-k"}, "", environment_});
    if (!WaitExit(stale, 10000)) Kill(stale);
    pid_t server = Start(Launch{{VELOMAR_WINESERVER, "-p"}, "", environment_});
    if (!WaitExit(server, 10000, &status)) {
        Kill(server);
        error_ = "wineserver did not start";
        return false;
    }
    wineStarted_ = true;
    pid_t boot = Start(Launch{{VELOMAR_WINE64, "wineboot"}, "", environment_});
    if (!WaitExit(boot, 180000, &status) || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        Kill(boot);
        error_ = "wineboot failed in " + std::string(VELOMAR_WINE_PREFIX);
        return false;
    }
    return true;
}

Launch WineSession::Program(const std::string& exe, const std::vector<std::string>& args,
                            const std::string& cwd) const {
    Launch launch{{VELOMAR_WINE64, exe}, cwd, environment_};
    launch.argv.insert(launch.argv.end(), args.begin(), args.end());
    return launch;
}

std::string WindowsBuildDir() { return VELOMAR_WINDOWS_X86_64_DIR; }

std::string SourceDir() { return VELOMAR_SOURCE_DIR; }

std::string ScratchDir(const std::string& name) {
    std::filesystem::path dir = std::filesystem::path(VELOMAR_TEST_SCRATCH) / name;
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    return dir.string();
}

}  // namespace wintest
