// The template tree as both faces show it: the root, the four categories and
// one row per link and logo, each with its picture and text, the items
// reaching outside the menu window marked in one colour.
#pragma once

#include <string>
#include <vector>

#include "editor/template_edit.h"

class CInstallerWnd;

// The pictures of the tree strip, in its order.
enum class TreePicture { Root, Audio, Background, Logos, Hyperlinks, Item };

struct TreeRow {
    TemplateNode node;
    int parent;  // the row's index in the list; -1 for the root
    std::string text;
    TreePicture picture;
    bool outside;  // reaches outside the menu window: shown in OUTSIDE_COLOUR
};

// Red, as RGB bytes.
constexpr unsigned char OUTSIDE_COLOUR[3] = {255, 0, 0};

// Root first, then each row after its parent; without a project only the
// root and the categories. Every row is expanded.
std::vector<TreeRow> TreeRows(CInstallerWnd* project);

// The row of a node in `rows`; -1 when none shows it.
int RowOf(const std::vector<TreeRow>& rows, TemplateNode node);

bool operator==(TemplateNode a, TemplateNode b);
inline bool operator!=(TemplateNode a, TemplateNode b) { return !(a == b); }
