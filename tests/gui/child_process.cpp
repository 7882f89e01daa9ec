#include "child_process.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

namespace gui_test {

namespace {
std::vector<char*> Pointers(const std::vector<std::string>& strings) {
    std::vector<char*> out;
    for (const std::string& s : strings) out.push_back(const_cast<char*>(s.c_str()));
    out.push_back(nullptr);
    return out;
}
}  // namespace

ChildProcess::ChildProcess(const std::vector<std::string>& argv, const std::string& cwd,
                           const std::vector<std::string>& env) {
    std::vector<char*> args = Pointers(argv);
    pid_ = ::fork();
    if (pid_ == 0) {
        for (const std::string& entry : env) ::putenv(const_cast<char*>(entry.c_str()));
        if (::chdir(cwd.c_str()) != 0) ::_exit(126);
        ::execvp(args[0], args.data());
        ::_exit(127);
    }
}

ChildProcess::~ChildProcess() {
    if (pid_ <= 0 || reaped_) return;
    ::kill(pid_, SIGKILL);
    ::waitpid(pid_, &status_, 0);
}

bool ChildProcess::Running() {
    if (pid_ <= 0 || reaped_) return false;
    if (::waitpid(pid_, &status_, WNOHANG) == pid_) reaped_ = true;
    return !reaped_;
}

bool ChildProcess::WaitExit(int timeoutMs, int* status) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (Running()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    if (status) *status = status_;
    return reaped_;
}

std::string RunForOutput(const std::vector<std::string>& argv, int* exitCode) {
    std::string command;
    for (const std::string& a : argv) command += "'" + a + "' ";
    std::string out;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) return out;
    char buffer[4096];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, n);
    const int status = ::pclose(pipe);
    if (exitCode) *exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return out;
}

}  // namespace gui_test
