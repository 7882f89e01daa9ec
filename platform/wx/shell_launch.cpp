#include "platform/wx/shell_launch.h"

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <time.h>

#include <cctype>
#include <cerrno>
#include <cstdlib>

#include "platform/system.h"
#include "platform/wx/command_line.h"

namespace platform::wx {

namespace {

bool StartsWithNoCase(const std::string& text, const std::string& prefix) {
    if (text.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(text[i])) != prefix[i]) return false;
    }
    return true;
}

bool HasUrlScheme(const std::string& target) {
    std::size_t i = 0;
    if (target.empty() || !std::isalpha(static_cast<unsigned char>(target[0]))) return false;
    while (i < target.size()) {
        unsigned char c = static_cast<unsigned char>(target[i]);
        if (c == ':') return i >= 2;
        if (!std::isalnum(c) && c != '+' && c != '.' && c != '-') return false;
        ++i;
    }
    return false;
}

bool IsDirectory(const std::string& path) {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::vector<std::string> OpenerFor(const std::string& name) {
    // "./" keeps a name that starts with "-" from being read as an option.
    const std::string target = name.empty() || name[0] != '-' ? name : "./" + name;
    std::string opener = FindInPath("xdg-open");
    if (!opener.empty()) return {opener, target};
    opener = FindInPath("gio");
    if (!opener.empty()) return {opener, "open", target};
    return {};
}

}  // namespace

bool IsWebAddress(const std::string& target) {
    return StartsWithNoCase(target, "www.") || HasUrlScheme(target);
}

bool IsExecutableFile(const std::string& path) {
    struct stat st;
    if (path.empty() || ::stat(path.c_str(), &st) != 0) return false;
    return S_ISREG(st.st_mode) && ::access(path.c_str(), X_OK) == 0;
}

std::string FindInPath(const std::string& name) {
    if (name.empty() || name.find('/') != std::string::npos) return "";
    const char* path = std::getenv("PATH");
    std::string dirs = path ? path : "/usr/local/bin:/usr/bin:/bin";
    std::size_t start = 0;
    while (start <= dirs.size()) {
        std::size_t end = dirs.find(':', start);
        if (end == std::string::npos) end = dirs.size();
        std::string dir = dirs.substr(start, end - start);
        if (dir.empty()) dir = ".";
        std::string candidate = dir + "/" + name;
        if (IsExecutableFile(candidate)) return candidate;
        start = end + 1;
    }
    return "";
}

std::vector<std::string> PlanShellExecute(const char* verb, const std::string& file,
                                          const char* params, System* system) {
    if (IsWebAddress(file) && !IsExecutableFile(file)) {
        std::string url = StartsWithNoCase(file, "www.") ? "http://" + file : file;
        return OpenerFor(url);
    }
    std::string real = system ? system->RealPath(file) : file;
    if (real.empty()) real = file;

    if (verb == nullptr) {
        std::string program;
        if (IsExecutableFile(real)) {
            program = real;
        } else if (file.find('/') == std::string::npos && file.find('\\') == std::string::npos) {
            program = FindInPath(file);
        }
        if (!program.empty() && !IsDirectory(program)) {
            std::vector<std::string> argv{program};
            if (params) {
                for (std::string& arg : SplitCommandLine(params)) argv.push_back(std::move(arg));
            }
            return argv;
        }
    }
    return OpenerFor(real);
}

bool IsDesktopOpener(const std::string& program) {
    const std::size_t slash = program.rfind('/');
    const std::string name = slash == std::string::npos ? program : program.substr(slash + 1);
    return name == "xdg-open" || name == "gio";
}

bool SpawnDetached(const std::vector<std::string>& argv, int watchMs) {
    if (argv.empty()) return false;
    // Everything the children touch is prepared before fork: after it only
    // async-signal-safe calls are made.
    std::vector<char*> args;
    for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    // The program gets default signal handling and no blocked signals, not
    // what this process set up (SIGPIPE ignored, the toolkit's mask).
    struct sigaction defaults {};
    defaults.sa_handler = SIG_DFL;
    sigemptyset(&defaults.sa_mask);
    sigset_t none;
    sigemptyset(&none);

    pid_t child = ::fork();
    if (child < 0) return false;
    if (child == 0) {
        pid_t grandchild = ::fork();
        if (grandchild == 0) {
            for (int sig = 1; sig < NSIG; ++sig) ::sigaction(sig, &defaults, nullptr);
            ::sigprocmask(SIG_SETMASK, &none, nullptr);
            ::setsid();
            ::execv(args[0], args.data());
            ::_exit(127);
        }
        if (grandchild < 0) ::_exit(1);
        // The middle child watches; if it leaves first, init reaps the program.
        const struct timespec tick = {0, 10 * 1000 * 1000};
        for (int waited = 0; waited < watchMs; waited += 10) {
            int status = 0;
            if (::waitpid(grandchild, &status, WNOHANG) == grandchild)
                ::_exit(WIFEXITED(status) && WEXITSTATUS(status) == 0 ? 0 : 1);
            ::nanosleep(&tick, nullptr);
        }
        ::_exit(0);
    }
    int status = 0;
    // The middle child exits right after its fork, so this wait is short.
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace platform::wx
