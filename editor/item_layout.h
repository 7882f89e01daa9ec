// Where the links and logos stand on the menu: which one is under a point,
// moving one, the ones reaching outside the window, and a place for a new one
// where it can be seen. Boxes come from the menu window (engine), so a link's
// box is its text as the disc draws it.
#pragma once

#include <string>
#include <vector>

#include "editor/template_edit.h"
#include "platform/types.h"

class CInstallerWnd;
struct LaunchSettings;

// The inside of the 640 x 440 menu window, within its one-pixel border: what
// the disc shows of the items.
platform::Rect MenuArea();

// The box of a link or logo node; empty for any other node or a slot not in use.
platform::Rect ItemBox(CInstallerWnd& project, TemplateNode item);

// The item drawn on top at a point: links lie over logos, later ones over
// earlier ones. A Root node when there is none.
TemplateNode ItemAt(CInstallerWnd& project, platform::Point point);

// Moves a link or logo by (dx, dy), less where its box would leave the 32-bit
// range, so that it keeps its size; an animated logo keeps the place it starts
// from. Returns the move made.
platform::Point MoveItem(LaunchSettings& s, TemplateNode item, int dx, int dy);

// The items whose box reaches outside MenuArea, links first, each in slot order.
std::vector<TemplateNode> ItemsOutside(CInstallerWnd& project);
// A link's text or a logo's file name, as the tree shows it.
std::string ItemName(const LaunchSettings& s, TemplateNode item);
// The tree's label of an item, marked when it reaches outside the window.
std::string ItemLabel(const std::string& name, bool outside);

// Before a build: with items outside the window, asks once, naming them; true
// when the build may go on.
bool ConfirmItemsOutside(CInstallerWnd& project);

// Where a new item of this size can be seen: the first place, row by row,
// that overlaps no item; failing that, the one that overlaps them least.
platform::Point FreePlace(CInstallerWnd& project, platform::Size size);
// A new link "New Command": below the last link when it fits there beside the
// other links, else a free place.
platform::Point NewLinkPlace(CInstallerWnd& project, const std::string& text);
