// The menu as a screen reader hears it: the disc's title, then each link by
// its text, the lit one focused.
#include <string>

#include "engine/installer_wnd.h"
#include "engine/window_helpers.h"

using namespace window_detail;

std::string CInstallerWnd::AccessibleName() { return TextOf(Settings->WindowTitle); }

int CInstallerWnd::AccessibleLinkCount() { return int(HotSpotCount(*Settings)); }

bool CInstallerWnd::AccessibleLink(int index, std::string* text, platform::Rect* box) {
    if (index < 1 || index > AccessibleLinkCount()) return false;
    *text = TextOf(Settings->HotSpotText[index - 1]);
    *box = LinkBox(index - 1);
    return true;
}

int CInstallerWnd::AccessibleFocus() { return HoverHotSpot; }

// While the editor arranges the items, a link runs no more by this road than by a click.
void CInstallerWnd::AccessibleDoDefault(int index) {
    if (Wnd && !Arranger) RunHotSpot(index);
}
