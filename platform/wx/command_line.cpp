#include "platform/wx/command_line.h"

namespace platform::wx {

namespace {
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
}  // namespace

std::vector<std::string> SplitCommandLine(const std::string& params) {
    std::vector<std::string> args;
    std::size_t i = 0;
    const std::size_t n = params.size();
    while (true) {
        while (i < n && IsBlank(params[i])) ++i;
        if (i >= n) break;

        std::string arg;
        bool quoted = false;
        while (i < n && (quoted || !IsBlank(params[i]))) {
            if (params[i] == '\\') {
                std::size_t slashes = 0;
                while (i < n && params[i] == '\\') ++slashes, ++i;
                if (i < n && params[i] == '"') {
                    arg.append(slashes / 2, '\\');
                    if (slashes % 2 == 1) {
                        arg += '"';
                        ++i;
                    }
                } else {
                    arg.append(slashes, '\\');
                }
            } else if (params[i] == '"') {
                if (quoted && i + 1 < n && params[i + 1] == '"') {
                    arg += '"';
                    i += 2;
                } else {
                    quoted = !quoted;
                    ++i;
                }
            } else {
                arg += params[i++];
            }
        }
        args.push_back(arg);
    }
    return args;
}

}  // namespace platform::wx
