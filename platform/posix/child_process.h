// A program run beside ours with its error output read as it comes: the disc
// image writer watches it for progress and may stop it half-way.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace platform::posix {

// The full path of `name` in the colon-separated `searchPath` (as $PATH), or ""
// when no executable regular file of that name is there.
std::string FindOnPath(const std::string& name, const std::string& searchPath);

class ChildProcess {
  public:
    ChildProcess() = default;
    // A child still running is killed and reaped: none outlives its owner, and
    // none outlives our process either (it is killed when we die).
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // Starts `program` (a path) with `args` after argv[0]. Its standard input
    // and output are /dev/null; its error output is read with ReadError.
    bool Start(const std::string& program, const std::vector<std::string>& args);

    // Appends what the child wrote to its error output within `timeoutMs`.
    // False once the output is closed (the child ended or closed it).
    bool ReadError(std::string* text, int timeoutMs);

    // Waits for the end: the exit code, or -1 after a signal.
    int Wait();

    // How the last waited-for run ended, for a message: "ended with status 3",
    // "was stopped by signal 9 (Killed)".
    std::string HowItEnded() const;

    // SIGKILL, then waits.
    void Kill();

    // The process id while it runs; -1 before Start and after Wait.
    pid_t Id() const { return pid_; }

  private:
    pid_t pid_ = -1;
    int errFd_ = -1;
    int lastStatus_ = 0;  // as waitpid gave it
};

}  // namespace platform::posix
