// Runs the built velomarforge-cli as a user would and captures what it prints.
#pragma once

#include <string>
#include <vector>

namespace cli_test {

struct RunResult {
    int status = -1;  // exit status, -1 when the program did not exit normally
    std::string out;
    std::string err;
};

// Runs the CLI with `args` under the C locale (so the "[English]" section).
RunResult RunCli(const std::vector<std::string>& args);

std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& bytes);
std::string Fixture(const std::string& name);  // the bytes of tests/unit/fixtures/NAME

// A fresh folder under /tmp, removed at the end; Path() ends in '/'.
class ScratchFolder {
  public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    const std::string& Path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + name; }

  private:
    std::string path_;
};

}  // namespace cli_test
