#include "cli_runner.h"

#include <stdlib.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace cli_test {

namespace {

std::string Quoted(const std::string& arg) {
    std::string out = "'";
    for (char c : arg) {
        if (c == '\'') {
            out += "'\\''";
        } else {
            out += c;
        }
    }
    return out + "'";
}

}  // namespace

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::string Fixture(const std::string& name) {
    return ReadFile(std::string(VELOMAR_SOURCE_DIR) + "/tests/unit/fixtures/" + name);
}

RunResult RunCli(const std::vector<std::string>& args) {
    ScratchFolder capture;
    std::string command =
        "LC_ALL=C " + Quoted(std::string(VELOMAR_BINARY_DIR) + "/bin/velomarforge-cli");
    for (const std::string& arg : args) command += " " + Quoted(arg);
    command += " >" + Quoted(capture.File("out")) + " 2>" + Quoted(capture.File("err"));

    RunResult result;
    int raw = std::system(command.c_str());
    if (raw != -1 && WIFEXITED(raw)) result.status = WEXITSTATUS(raw);
    result.out = ReadFile(capture.File("out"));
    result.err = ReadFile(capture.File("err"));
    return result;
}

ScratchFolder::ScratchFolder() {
    char pattern[] = "/tmp/velomar_cli.XXXXXX";
    if (mkdtemp(pattern)) path_ = std::string(pattern) + "/";
}

ScratchFolder::~ScratchFolder() {
    std::error_code ec;
    if (!path_.empty()) std::filesystem::remove_all(path_, ec);
}

}  // namespace cli_test
