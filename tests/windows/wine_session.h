// One X server and one Wine prefix per test program, made on first use and
// ended at exit. The prefix lives in the build folder and is kept between runs
// (making one takes a while).
#pragma once

#include "x_display.h"

namespace wintest {

class WineSession {
  public:
    // The session of this test program; check ok() before use.
    static WineSession& Get();
    ~WineSession();

    bool ok() const { return error_.empty(); }
    const std::string& error() const { return error_; }
    xtest::XDisplay& screen() { return screen_; }

    // A Windows program of the x86_64 build under wine64 in this session.
    xtest::Command Program(const std::string& exe, const std::vector<std::string>& args,
                           const std::string& cwd = "") const;

  private:
    WineSession();

    xtest::XDisplay screen_;
    std::vector<std::string> env_;
    bool started_ = false;
    std::string error_;
};

// A fresh, empty folder of the build for one test.
std::string ScratchDir(const std::string& name);

}  // namespace wintest
