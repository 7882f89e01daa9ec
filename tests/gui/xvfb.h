// A private X server for one test program: Xvfb on a display number it picks itself.
#pragma once

#include <sys/types.h>

#include <string>

namespace gui_test {

class Xvfb {
  public:
    explicit Xvfb(int width = 1024, int height = 768);
    ~Xvfb();
    Xvfb(const Xvfb&) = delete;
    Xvfb& operator=(const Xvfb&) = delete;

    bool ok() const { return !display_.empty(); }
    const std::string& display() const { return display_; }  // ":N"

  private:
    pid_t pid_ = -1;
    std::string display_;
};

}  // namespace gui_test
