// TEMPORARY: empty message handlers so the settings half links before the
// window half exists. The window half replaces this file.
#include "engine/installer_wnd.h"

int CInstallerWnd::OnCreate() { return 0; }
bool CInstallerWnd::OnEraseBkgnd(platform::DC&) { return true; }
void CInstallerWnd::OnPaint() {}
void CInstallerWnd::OnMouseMove(unsigned, platform::Point) {}
void CInstallerWnd::OnLButtonDown(unsigned, platform::Point) {}
void CInstallerWnd::OnRButtonDown(unsigned, platform::Point) {}
void CInstallerWnd::OnTimer(unsigned) {}
void CInstallerWnd::OnDestroy() {}
void CInstallerWnd::ReleaseAnnimationSurfaces() {}
