// Child processes for the Wine tests: started with extra environment in a
// folder, waited for with a deadline, killed by their own id only.
#pragma once

#include <sys/types.h>

#include <string>
#include <utility>
#include <vector>

namespace wintest {

struct Launch {
    Launch(std::vector<std::string> args, std::string folder = "",
           std::vector<std::string> env = {})
        : argv(std::move(args)), cwd(std::move(folder)), environment(std::move(env)) {}
    std::vector<std::string> argv;
    std::string cwd;                       // empty: the test's own
    std::vector<std::string> environment;  // NAME=VALUE, added to ours
    bool quiet = true;                     // stderr to /dev/null
};

// The child's id, or -1.
pid_t Start(const Launch& launch, int stdoutFd = -1);

// True when the child ended within the time; *status is its wait status.
bool WaitExit(pid_t pid, int timeoutMs, int* status = nullptr);

// SIGKILL to that one child, then reaps it.
void Kill(pid_t pid);

// Runs to the end, collecting stdout; false on a time-out (the child is killed).
bool RunCapture(const Launch& launch, int timeoutMs, std::string* output, int* exitCode);

}  // namespace wintest
