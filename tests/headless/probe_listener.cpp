#include "probe_listener.h"

namespace probe {

namespace {
std::string At(const char* what, platform::Point p) {
    return std::string(what) + " " + std::to_string(p.x) + "," + std::to_string(p.y);
}
}  // namespace

int ProbeListener::OnCreate() {
    log.push_back("create");
    return createResult;
}

bool ProbeListener::OnEraseBkgnd(platform::DC&) {
    log.push_back("erase");
    return true;
}

void ProbeListener::OnPaint() {
    log.push_back("paint");
    if (!window) return;
    platform::DC* dc = window->BeginPaint();
    if (!dc) return;
    dc->FillSolidRect(window->GetClientRect(), paintColor);
    if (endPaint) window->EndPaint();
}

void ProbeListener::OnMouseMove(unsigned, platform::Point client) {
    log.push_back(At("move", client));
    if (onMouseMove) onMouseMove(client);
}

void ProbeListener::OnLButtonDown(unsigned, platform::Point client) {
    log.push_back(At("ldown", client));
    if (onLButtonDown) onLButtonDown(client);
    log.push_back("ldown done");
}

void ProbeListener::OnRButtonDown(unsigned, platform::Point client) {
    log.push_back(At("rdown", client));
}

void ProbeListener::OnTimer(unsigned id) {
    log.push_back("timer " + std::to_string(id));
    if (onTimer) onTimer(id);
}

void ProbeListener::OnDestroy() {
    log.push_back("destroy");
    if (onDestroy) onDestroy();
}

}  // namespace probe
