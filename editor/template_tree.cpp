#include "editor/template_tree.h"

#include <algorithm>

#include "editor/item_layout.h"
#include "engine/installer_wnd.h"

bool operator==(TemplateNode a, TemplateNode b) { return a.kind == b.kind && a.index == b.index; }

std::vector<TreeRow> TreeRows(CInstallerWnd* project) {
    std::vector<TreeRow> rows = {
        {{NodeKind::Root, 0}, -1, "Velomar Template", TreePicture::Root, false},
        {{NodeKind::Background, 0}, 0, "Background Image", TreePicture::Background, false},
        {{NodeKind::Audio, 0}, 0, "Audio", TreePicture::Audio, false},
        {{NodeKind::HyperlinkCategory, 0}, 0, "Hyper-Links", TreePicture::Hyperlinks, false},
        {{NodeKind::LogoCategory, 0}, 0, "Bitmaps & Logos", TreePicture::Logos, false},
    };
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
