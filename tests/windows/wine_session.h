// One Xvfb screen (1024 x 768, 24 bits) and one Wine prefix per test program,
// made on first use and ended at exit. The prefix lives in the build folder and
// is kept between runs (making one takes a while).
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

#include "process.h"

namespace wintest {

class WineSession {
  public:
    // The session of this test program; check ok() before use.
    static WineSession& Get();
    ~WineSession();

    bool ok() const { return error_.empty(); }
    const std::string& error() const { return error_; }
    const std::string& display() const { return display_; }

    // A Launch of a Windows program under wine64 in that session.
    Launch Program(const std::string& exe, const std::vector<std::string>& args,
                   const std::string& cwd) const;

  private:
    WineSession();
    bool StartDisplay();
    bool StartWine();

    std::string error_;
    std::string display_;
    pid_t xvfb_ = -1;
    bool wineStarted_ = false;
    std::vector<std::string> environment_;
};

// Paths of the build, from CMake.
std::string WindowsBuildDir();  // the x86_64 cross build
std::string SourceDir();
std::string ScratchDir(const std::string& name);  // a fresh, empty folder

}  // namespace wintest
