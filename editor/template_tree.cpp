#include "editor/template_tree.h"

#include <algorithm>

#include "editor/item_layout.h"
#include "engine/installer_wnd.h"

bool operator==(TemplateNode a, TemplateNode b) { return a.kind == b.kind && a.index == b.index; }

namespace {

struct Fixed {
    NodeKind kind;
    const char* text;
    TreePicture picture;
};
const Fixed kFixedRows[] = {{NodeKind::Root, "Velomar Template", TreePicture::Root},
                            {NodeKind::Background, "Background Image", TreePicture::Background},
                            {NodeKind::Audio, "Audio", TreePicture::Audio},
                            {NodeKind::HyperlinkCategory, "Hyper-Links", TreePicture::Hyperlinks},
                            {NodeKind::LogoCategory, "Bitmaps & Logos", TreePicture::Logos}};

}  // namespace

std::vector<TreeRow> TreeRows(CInstallerWnd* project) {
    std::vector<TreeRow> rows;
    for (const Fixed& f : kFixedRows)
        rows.push_back({{f.kind, 0}, rows.empty() ? -1 : 0, f.text, f.picture, false});
    if (!project) return rows;
    const std::vector<TemplateNode> outside = ItemsOutside(*project);
    const LaunchSettings& s = *project->Settings;
    for (NodeKind kind : {NodeKind::Hyperlink, NodeKind::Logo}) {
        const bool link = kind == NodeKind::Hyperlink;
        const int count = std::min(link ? s.NumberOfHotSpots : s.NumberOfLogosToDraw,
                                   link ? MAX_HOTSPOTS : MAX_LOGOS);
        for (int i = 0; i < count; ++i) {
            const TemplateNode node{kind, i};
            const bool out = std::find(outside.begin(), outside.end(), node) != outside.end();
            rows.push_back(
                {node, link ? 3 : 4, ItemLabel(ItemName(s, node), out), TreePicture::Item, out});
        }
    }
    return rows;
}

int RowOf(const std::vector<TreeRow>& rows, TemplateNode node) {
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (rows[i].node == node) return int(i);
    return -1;
}
