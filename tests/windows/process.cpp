#include "process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace wintest {

namespace {

long long NowMs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1000LL + ts.tv_nsec / 1000000;
}

}  // namespace

pid_t Start(const Launch& launch, int stdoutFd) {
    std::vector<char*> args;
    for (const std::string& a : launch.argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    pid_t pid = fork();
    if (pid != 0) return pid;
    // The child: only async-signal-safe calls until exec.
    setpgid(0, 0);
    // Ends with the test even when the test crashes (Xvfb above all).
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (!launch.cwd.empty() && chdir(launch.cwd.c_str()) != 0) _exit(127);
    for (const std::string& e : launch.environment) putenv(const_cast<char*>(e.c_str()));
    int null = open("/dev/null", O_RDWR);
    dup2(null, 0);
    // Never the test's own output: a daemon of Wine would inherit and hold it.
    dup2(stdoutFd >= 0 ? stdoutFd : null, 1);
    if (launch.quiet) dup2(null, 2);
    execvp(args[0], args.data());
    _exit(127);
}

bool WaitExit(pid_t pid, int timeoutMs, int* status) {
    long long deadline = NowMs() + timeoutMs;
    for (;;) {
        int st = 0;
        pid_t r = waitpid(pid, &st, WNOHANG);
        if (r == pid) {
            if (status) *status = st;
            return true;
        }
        if (r < 0 || NowMs() >= deadline) return false;
        usleep(20000);
    }
}

void Kill(pid_t pid) {
    if (pid <= 0) return;
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

bool RunCapture(const Launch& launch, int timeoutMs, std::string* output, int* exitCode) {
    int fds[2];
    if (pipe(fds) != 0) return false;
    pid_t pid = Start(launch, fds[1]);
    close(fds[1]);
    if (pid < 0) {
        close(fds[0]);
        return false;
    }
    long long deadline = NowMs() + timeoutMs;
    output->clear();
    char buffer[4096];
    for (;;) {
        long long left = deadline - NowMs();
        if (left <= 0) break;
        pollfd p{fds[0], POLLIN, 0};
        if (poll(&p, 1, int(left)) <= 0) break;
        ssize_t n = read(fds[0], buffer, sizeof(buffer));
        if (n <= 0) break;
        output->append(buffer, std::size_t(n));
    }
    close(fds[0]);
    int status = 0;
    if (!WaitExit(pid, int(std::max(0LL, deadline - NowMs())), &status)) {
        Kill(pid);
        return false;
    }
    if (exitCode) *exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return true;
}

}  // namespace wintest
