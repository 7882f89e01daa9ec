// A program started by a test (found in PATH when the name has no slash): its
// own working folder and extra environment,
// stopped when the test lets go of it.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace gui_test {

class ChildProcess {
  public:
    // env: "NAME=value" entries added to (or replacing in) the test's environment.
    ChildProcess(const std::vector<std::string>& argv, const std::string& cwd,
                 const std::vector<std::string>& env);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool started() const { return pid_ > 0; }
    bool Running();
    // True once the program ended within the time; *status is waitpid's.
    bool WaitExit(int timeoutMs, int* status = nullptr);

  private:
    pid_t pid_ = -1;
    bool reaped_ = false;
    int status_ = 0;
};

// Runs a program to its end and returns what it wrote on stdout; *exitCode gets its status.
std::string RunForOutput(const std::vector<std::string>& argv, int* exitCode);

}  // namespace gui_test
