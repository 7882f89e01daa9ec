// A window listener for host tests: logs every message it gets, paints its
// client area in one colour, and runs optional hooks so a test can act from
// inside a message (kill a timer, capture, post a close).
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/window.h"

namespace probe {

class ProbeListener : public platform::WindowListener {
  public:
    explicit ProbeListener(platform::ColorRef paintColor = platform::Rgb(10, 20, 30))
        : paintColor(paintColor) {}

    int OnCreate() override;
    bool OnEraseBkgnd(platform::DC& dc) override;
    void OnPaint() override;
    void OnMouseMove(unsigned flags, platform::Point client) override;
    void OnLButtonDown(unsigned flags, platform::Point client) override;
    void OnRButtonDown(unsigned flags, platform::Point client) override;
    void OnTimer(unsigned id) override;
    void OnDestroy() override;

    // Set after creation so OnPaint can reach its own window.
    platform::Window* window = nullptr;
    platform::ColorRef paintColor;
    int createResult = 0;
    bool endPaint = true;  // false: OnPaint forgets EndPaint
    std::vector<std::string> log;

    std::function<void(unsigned id)> onTimer;
    std::function<void(platform::Point)> onMouseMove;
    std::function<void(platform::Point)> onLButtonDown;
    std::function<void()> onDestroy;
};

}  // namespace probe
