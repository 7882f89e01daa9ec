// The template tree's changes to the project: insert, delete and which dialog
// a node opens. A node is known by its kind (from its place in the tree), never
// by its text, so a link named "Audio" is still a link. The tree view turns
// keys, menu commands and double-clicks into these calls and refreshes the
// preview after a change.
#pragma once

#include <functional>
#include <string>

class CInstallerWnd;

enum class NodeKind { Root, Background, Audio, HyperlinkCategory, Hyperlink, LogoCategory, Logo };

struct TemplateNode {
    NodeKind kind = NodeKind::Root;
    int index = 0;  // the link or logo slot of a Hyperlink or Logo node
};

// The context menu's entries for a node; `show` is false where no menu opens
// (the root, or no project).
struct ItemMenu {
    bool show = false;
    bool insert = false;
    bool remove = false;
    bool properties = false;
    // Whether the entry `id` of the context menu (ItemMenuEntries) is enabled.
    bool Enabled(int id) const;
};
ItemMenu MenuFor(const CInstallerWnd* project, TemplateNode node);

enum class ItemDialog { None, Background, Audio, Hyperlink, Logo };

// The property dialog a node opens (double-click, "Properties..."). The
// categories "Hyper-Links" and "Bitmaps & Logos" and the root open none.
ItemDialog DialogFor(TemplateNode node);

// Shows a property dialog modally for slot `index`; true when it ended with OK.
using ShowItemDialog = std::function<bool(ItemDialog dialog, int index)>;

// Insert key or "Insert new item" on a category or one of its items: fills the
// next free link or logo slot with the defaults of a new item and shows its
// dialog. OK counts the item; any other end puts the slot back as it was. True
// when the project changed (the caller marks it modified and refreshes). At the
// limit of 15 the user is told and nothing changes.
bool InsertNewItem(CInstallerWnd* project, TemplateNode node, const ShowItemDialog& showDialog);

// Delete key or "Delete item" on a link or logo: after the user's Yes, removes
// the slot and moves the later ones up with everything they hold (mask colours
// included). True when the project changed. The file stays in res\ until the
// next build finds nothing naming it.
bool DeleteTemplateItem(CInstallerWnd* project, TemplateNode node);

// Move Up (step -1) and Move Down (step +1) on a link or logo: the slot swaps
// places with its neighbour, everything both hold included. Links are reached
// by the keyboard in slot order and later logos are drawn over earlier ones,
// so this is how the user changes either. False at either end, on anything but
// a link or logo, or for a slot outside the counted ones.
bool CanMoveItem(const CInstallerWnd* project, TemplateNode node, int step);
bool MoveTemplateItem(CInstallerWnd* project, TemplateNode node, int step);

// What a change did, for the name of its undo step.
enum class ItemChange { Insert, Delete, MoveUp, MoveDown, Edit };
// "Insert Link", "Delete Logo", "Move Link Up", "Edit Background", ...
std::string StepName(ItemChange change, NodeKind kind);
