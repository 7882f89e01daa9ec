#include "editor/item_layout.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "engine/installer_wnd.h"
#include "engine/window_helpers.h"
#include "platform/platform.h"

namespace {

// Space kept around a new item, and the step of the places tried.
constexpr int kGap = 10;
// Between a new link and the one above it.
constexpr int kLineGap = 6;
// Without a window to measure in, a text is taken as this many pixels a letter.
constexpr int kLetterWidth = 8;

const char* const kOutsideMark = "  (outside the window)";
const char* const kOutsideQuestion =
    "These items reach outside the menu window, so the disc will not show all of them:\n\n";

int Links(const LaunchSettings& s) { return int(window_detail::HotSpotCount(s)); }
int Logos(const LaunchSettings& s) { return int(window_detail::LogoCount(s)); }

// The part of `by` that keeps every edge from..to in range, never turned
// around: an item already past an edge may still move back.
int Clamped(int by, std::int64_t from, std::int64_t to) {
    const std::int64_t least = std::min<std::int64_t>(0, INT32_MIN - from);
    const std::int64_t most = std::max<std::int64_t>(0, INT32_MAX - to);
    return int(std::clamp<std::int64_t>(by, least, most));
}
bool IsEmpty(const platform::Rect& r) { return r.right <= r.left || r.bottom <= r.top; }

std::int64_t OverlapArea(const platform::Rect& a, const platform::Rect& b) {
    const std::int64_t w = std::int64_t(std::min(a.right, b.right)) - std::max(a.left, b.left);
    const std::int64_t h = std::int64_t(std::min(a.bottom, b.bottom)) - std::max(a.top, b.top);
    return w > 0 && h > 0 ? w * h : 0;
}

bool Inside(const platform::Rect& box, const platform::Rect& area) {
    return box.left >= area.left && box.top >= area.top && box.right <= area.right &&
           box.bottom <= area.bottom;
}

platform::Rect Grown(const platform::Rect& r, int by) {
    return {r.left - by, r.top - by, r.right + by, r.bottom + by};
}

std::vector<platform::Rect> Boxes(CInstallerWnd& project, NodeKind kind) {
    const LaunchSettings& s = *project.Settings;
    std::vector<platform::Rect> boxes;
    const int count = kind == NodeKind::Hyperlink ? Links(s) : Logos(s);
    for (int i = 0; i < count; ++i) {
        const platform::Rect box = ItemBox(project, {kind, i});
        if (!IsEmpty(box)) boxes.push_back(box);
    }
    return boxes;
}

std::int64_t Overlap(const platform::Rect& box, const std::vector<platform::Rect>& others) {
    std::int64_t total = 0;
    for (const platform::Rect& o : others) total += OverlapArea(Grown(box, kGap / 2), o);
    return total;
}

// The starts tried along one side: a gap from the edge, one gap apart, the
// item inside; an item too large for the window starts at the edge.
std::vector<int> Starts(int area, int extent) {
    std::vector<int> starts;
    for (int at = kGap; at + extent <= area - kGap; at += kGap) starts.push_back(at);
    if (starts.empty()) starts.push_back(0);
    return starts;
}

platform::Size TextSize(CInstallerWnd& project, const std::string& text) {
    platform::Size size;
    if (project.MeasureLinkText(text, &size)) return size;
    const int height = std::abs(project.Settings->HotSpotFontSize);
    return {kLetterWidth * int(text.size()), height > 0 ? height : 16};
}

}  // namespace

platform::Rect MenuArea() {
    return {0, 0, window_detail::kWindowWidth - 2, window_detail::kWindowHeight - 2};
}

platform::Rect ItemBox(CInstallerWnd& project, TemplateNode item) {
    if (item.kind == NodeKind::Hyperlink) return project.LinkBox(item.index);
    if (item.kind == NodeKind::Logo) return project.LogoBox(item.index);
    return {};
}

TemplateNode ItemAt(CInstallerWnd& project, platform::Point point) {
    const LaunchSettings& s = *project.Settings;
    for (int i = Links(s) - 1; i >= 0; --i)
        if (project.LinkBox(i).Contains(point)) return {NodeKind::Hyperlink, i};
    for (int i = Logos(s) - 1; i >= 0; --i)
        if (project.LogoBox(i).Contains(point)) return {NodeKind::Logo, i};
    return {NodeKind::Root, 0};
}

platform::Point MoveItem(LaunchSettings& s, TemplateNode item, int dx, int dy) {
    const int i = item.index;
    if (item.kind == NodeKind::Hyperlink && i >= 0 && i < Links(s)) {
        platform::Rect& r = s.HotSpotRect[i];
        const bool measured = r.right != 0;
        const platform::Rect ends = measured ? r : platform::Rect{r.left, r.top, r.left, r.top};
        dx = Clamped(dx, std::min(ends.left, ends.right), std::max(ends.left, ends.right));
        dy = Clamped(dy, std::min(ends.top, ends.bottom), std::max(ends.top, ends.bottom));
        r.left += dx;
        r.top += dy;
        if (measured) {
            r.right += dx;
            r.bottom += dy;
        }
        return {dx, dy};
    }
    if (item.kind == NodeKind::Logo && i >= 0 && i < Logos(s)) {
        platform::Point& at = s.LogoBitmapLocation[i];
        dx = Clamped(dx, at.x, std::int64_t(at.x) + std::max(0, s.LogoWidth[i]));
        dy = Clamped(dy, at.y, std::int64_t(at.y) + std::max(0, s.LogoHeight[i]));
        at.x += dx;
        at.y += dy;
        return {dx, dy};
    }
    return {};
}

std::vector<TemplateNode> ItemsOutside(CInstallerWnd& project) {
    std::vector<TemplateNode> outside;
    const LaunchSettings& s = *project.Settings;
    for (NodeKind kind : {NodeKind::Hyperlink, NodeKind::Logo}) {
        const int count = kind == NodeKind::Hyperlink ? Links(s) : Logos(s);
        for (int i = 0; i < count; ++i) {
            const platform::Rect box = ItemBox(project, {kind, i});
            if (!IsEmpty(box) && !Inside(box, MenuArea())) outside.push_back({kind, i});
        }
    }
    return outside;
}

std::string ItemName(const LaunchSettings& s, TemplateNode item) {
    if (item.kind == NodeKind::Hyperlink && item.index >= 0 && item.index < MAX_HOTSPOTS)
        return TextOf(s.HotSpotText[item.index]);
    if (item.kind == NodeKind::Logo && item.index >= 0 && item.index < MAX_LOGOS)
        return TextOf(s.LogoBitmapName[item.index]);
    return {};
}

std::string ItemLabel(const std::string& name, bool outside) {
    return outside ? name + kOutsideMark : name;
}

bool ConfirmItemsOutside(CInstallerWnd& project) {
    const std::vector<TemplateNode> outside = ItemsOutside(project);
    if (outside.empty()) return true;
    std::string question = kOutsideQuestion;
    for (TemplateNode item : outside) question += ItemName(*project.Settings, item) + "\n";
    question += "\nBuild the project anyway?";
    return platform::Current().services->ShowMessage(question, platform::MessageButtons::YesNo) ==
           platform::MessageAnswer::Yes;
}

platform::Point FreePlace(CInstallerWnd& project, platform::Size size) {
    std::vector<platform::Rect> others = Boxes(project, NodeKind::Hyperlink);
    const std::vector<platform::Rect> logos = Boxes(project, NodeKind::Logo);
    others.insert(others.end(), logos.begin(), logos.end());
    const platform::Rect area = MenuArea();
    platform::Point best;
    std::int64_t least = -1;
    for (int y : Starts(area.Height(), size.cy)) {
        for (int x : Starts(area.Width(), size.cx)) {
            const std::int64_t overlap = Overlap({x, y, x + size.cx, y + size.cy}, others);
            if (least < 0 || overlap < least) {
                least = overlap;
                best = {x, y};
            }
            if (overlap == 0) return best;
        }
    }
    return best;
}

platform::Point NewLinkPlace(CInstallerWnd& project, const std::string& text) {
    const platform::Size size = TextSize(project, text);
    const int count = Links(*project.Settings);
    if (count > 0) {
        const platform::Rect last = project.LinkBox(count - 1);
        const platform::Rect area = MenuArea();
        const bool room = last.left >= area.left && last.bottom >= area.top &&
                          last.left <= area.right && last.bottom <= area.bottom;
        const platform::Rect below =
            room ? platform::Rect{last.left, last.bottom + kLineGap, last.left + size.cx,
                                  last.bottom + kLineGap + size.cy}
                 : platform::Rect{};
        if (!IsEmpty(last) && room && Inside(below, area) &&
            Overlap(below, Boxes(project, NodeKind::Hyperlink)) == 0)
            return {below.left, below.top};
    }
    return FreePlace(project, size);
}
