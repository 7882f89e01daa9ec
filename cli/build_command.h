// The build shared by `build` and `image`.
#pragma once

#include <string>

namespace CLI {
class App;
}

// Velomar.exe where the editor takes it from: beside this program, or
// ../share/velomar once installed.
std::string DefaultRuntime();

// Reads the project in `folder` and builds it with `runtime` (DefaultRuntime
// when empty), then prints on stdout, unless `quiet`, a line for each file
// removed from res or kept there only for a link, and the count. The exit
// status; *title gets the project's WindowTitle.
int BuildFolder(const std::string& folder, const std::string& runtime, bool quiet,
                std::string* title = nullptr);

// --runtime FILE, refused when empty.
void AddRuntimeOption(CLI::App* command, std::string& runtime);

// --quiet: no report of the build on stdout.
void AddQuietOption(CLI::App* command, bool& quiet);
