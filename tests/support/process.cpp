#include "process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <thread>

namespace xtest {

using Clock = std::chrono::steady_clock;

static int MsLeft(Clock::time_point deadline) {
    using std::chrono::milliseconds;
    return int(std::chrono::duration_cast<milliseconds>(deadline - Clock::now()).count());
}

Child::Child(const Command& command, int stdoutFd) {
    std::vector<char*> args;
    for (const std::string& a : command.argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    pid_ = ::fork();
    if (pid_ != 0) return;
    // The child: only async-signal-safe calls until exec.
    ::setpgid(0, 0);
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);  // Xvfb and Wine end even when the test crashes
    if (!command.cwd.empty() && ::chdir(command.cwd.c_str()) != 0) ::_exit(126);
    for (const std::string& e : command.env) ::putenv(const_cast<char*>(e.c_str()));
    const int null = ::open("/dev/null", O_RDWR);
    ::dup2(null, 0);
    ::dup2(stdoutFd >= 0 ? stdoutFd : null, 1);
    ::dup2(null, 2);
    ::execvp(args[0], args.data());
    ::_exit(127);
}

Child::~Child() {
    if (!Running()) return;
    ::kill(pid_, SIGKILL);
    ::waitpid(pid_, &status_, 0);
}

bool Child::Running() {
    if (pid_ <= 0 || reaped_) return false;
    if (::waitpid(pid_, &status_, WNOHANG) == pid_) reaped_ = true;
    return !reaped_;
}

bool Child::WaitExit(int timeoutMs, int* status) {
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    while (Running()) {
        if (Clock::now() >= deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    if (status) *status = status_;
    return reaped_;
}

int Run(const Command& command, int timeoutMs, std::string* output) {
    int fds[2] = {-1, -1};
    if (output && ::pipe(fds) != 0) return -1;
    Child child(command, fds[1]);
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    if (output) {
        ::close(fds[1]);
        char buffer[4096];
        pollfd p{fds[0], POLLIN, 0};
        ssize_t n = 0;
        while (MsLeft(deadline) > 0 && ::poll(&p, 1, MsLeft(deadline)) > 0 &&
               (n = ::read(fds[0], buffer, sizeof buffer)) > 0)
            output->append(buffer, std::size_t(n));
        ::close(fds[0]);
    }
    int status = 0;
    if (!child.WaitExit(std::max(MsLeft(deadline), 0), &status)) return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace xtest
