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
// when empty). The exit status; *title gets the project's WindowTitle.
int BuildFolder(const std::string& folder, const std::string& runtime,
                std::string* title = nullptr);

// --runtime FILE, refused when empty.
void AddRuntimeOption(CLI::App* command, std::string& runtime);
