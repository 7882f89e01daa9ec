// Programs a test starts: extra environment, their own folder, a deadline, and
// SIGKILL to that one child when the test lets go of it.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace xtest {

struct Command {
    std::vector<std::string> argv;      // argv[0] is searched in PATH when it has no slash
    std::string cwd = {};               // empty: the test's own
    std::vector<std::string> env = {};  // NAME=VALUE, added to the test's
};

class Child {
  public:
    // stdout goes to stdoutFd, else /dev/null; stderr always to /dev/null, so
    // that no daemon it leaves (wineserver) holds a pipe of the test open.
    explicit Child(const Command& command, int stdoutFd = -1);
    ~Child();
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;

    bool started() const { return pid_ > 0; }
    pid_t pid() const { return pid_; }
    bool Running();
    // True once it ended within the time; *status is waitpid's.
    bool WaitExit(int timeoutMs, int* status = nullptr);

  private:
    pid_t pid_ = -1;
    bool reaped_ = false;
    int status_ = 0;
};

// Runs to the end and returns the exit code; -1 on a signal or a time-out.
// Without `output`, stdout goes to /dev/null: a daemon it starts holds no pipe.
int Run(const Command& command, int timeoutMs, std::string* output = nullptr);

}  // namespace xtest
