#include "editor/arranger.h"

#include <algorithm>
#include <cstdlib>

#include "editor/item_layout.h"
#include "platform/platform.h"

namespace {

// A press that wanders less than this is a click, not a drag.
constexpr int kDragStart = 3;
constexpr int kShiftStep = 10;
// Around an item's box: its outline, and what an italic text draws past its measure.
constexpr int kRedrawMargin = 16;

bool IsItem(TemplateNode n) { return n.kind == NodeKind::Hyperlink || n.kind == NodeKind::Logo; }

// A box cut to a margin around the window: what lies past it is not seen, and
// the outline and redraw margins then stay within the 32-bit range.
platform::Rect NearWindow(const platform::Rect& r) {
    constexpr int kReach = 64;
    const platform::Rect area = MenuArea();
    auto cut = [](int v, int low, int high) { return std::clamp(v, low - kReach, high + kReach); };
    return {cut(r.left, area.left, area.right), cut(r.top, area.top, area.bottom),
            cut(r.right, area.left, area.right), cut(r.bottom, area.top, area.bottom)};
}

void FrameRect(platform::DC& dc, const platform::Rect& r, platform::ColorRef colour) {
    dc.FillSolidRect({r.left, r.top, r.right, r.top + 1}, colour);
    dc.FillSolidRect({r.left, r.bottom - 1, r.right, r.bottom}, colour);
    dc.FillSolidRect({r.left, r.top, r.left + 1, r.bottom}, colour);
    dc.FillSolidRect({r.right - 1, r.top, r.right, r.bottom}, colour);
}

}  // namespace

Arranger::~Arranger() {
    CInstallerWnd* project = Project();
    if (project && project->Arranger == this) project->Arranger = nullptr;
}

void Arranger::SetOn(bool on) {
    if (on == on_) return;
    CInstallerWnd* project = Project();
    if (!on) CancelDrag();
    on_ = on;
    selection_ = {};
    if (!project) return;
    project->Arranger = on ? this : nullptr;
    if (on) {
        folder_ = project->ProjectFolder;
        project->EndShow();
    } else {
        Redraw();
    }
}

void Arranger::WindowShown() {
    CInstallerWnd* project = Project();
    drag_ = {};
    if (!project) return;
    if (project->ProjectFolder != folder_) selection_ = {};
    folder_ = project->ProjectFolder;
    if (!on_) return;
    project->Arranger = this;
    if (!project->AnnimationDone) project->EndShow();
}

void Arranger::Select(TemplateNode item) {
    if (!on_) return;
    if (!IsItem(item)) item = {};
    if (item.kind == selection_.kind && item.index == selection_.index) return;
    selection_ = item;
    Redraw();
}

bool Arranger::Selected() const {
    const CInstallerWnd* project = Project();
    if (!project || !IsItem(selection_) || selection_.index < 0) return false;
    const LaunchSettings& s = *project->Settings;
    const int count =
        selection_.kind == NodeKind::Hyperlink ? s.NumberOfHotSpots : s.NumberOfLogosToDraw;
    return selection_.index < count;
}

void Arranger::Redraw() {
    CInstallerWnd* project = Project();
    if (project && project->Wnd) project->Wnd->RedrawNow();
}

void Arranger::OnLButtonDown(unsigned, platform::Point point) {
    CInstallerWnd* project = Project();
    if (!project || !project->Wnd) return;
    const TemplateNode hit = ItemAt(*project, point);
    const bool changed = hit.kind != selection_.kind || hit.index != selection_.index;
    selection_ = hit;
    if (changed) {
        Redraw();
        view_.ItemSelected(hit);
    }
    if (!IsItem(hit)) return;
    drag_ = {};
    drag_.pressed = true;
    drag_.from = point;
    project->Wnd->SetCapture();
}

// The dragged item's old and new place, with its outline and a link's italic overhang.
void Arranger::RedrawAround(platform::Rect before) {
    CInstallerWnd* project = Project();
    if (!project || !project->Wnd) return;
    const platform::Rect after = NearWindow(ItemBox(*project, selection_));
    before = NearWindow(before);
    const platform::Rect both{std::min(before.left, after.left), std::min(before.top, after.top),
                              std::max(before.right, after.right),
                              std::max(before.bottom, after.bottom)};
    project->Wnd->RedrawArea({both.left - kRedrawMargin, both.top - kRedrawMargin,
                              both.right + kRedrawMargin, both.bottom + kRedrawMargin});
}

void Arranger::OnMouseMove(unsigned flags, platform::Point point) {
    if (!drag_.pressed) return;
    // The release went elsewhere: the drag ends where it was last seen.
    if (!(flags & platform::mk::LButton)) {
        EndDrag();
        return;
    }
    const int dx = point.x - drag_.from.x, dy = point.y - drag_.from.y;
    if (!drag_.moving && std::abs(dx) < kDragStart && std::abs(dy) < kDragStart) return;
    drag_.moving = true;
    CInstallerWnd* project = Project();
    const platform::Rect before = project ? ItemBox(*project, selection_) : platform::Rect{};
    DragTo(dx, dy);
    RedrawAround(before);
}

void Arranger::OnLButtonUp(unsigned, platform::Point point) {
    if (!drag_.pressed) return;
    if (drag_.moving) DragTo(point.x - drag_.from.x, point.y - drag_.from.y);
    EndDrag();
}

// While the button is down the record moves in memory only; the release puts
// it back and makes the whole move one change.
void Arranger::DragTo(int dx, int dy) {
    CInstallerWnd* project = Project();
    if (!project || !Selected()) return;
    // At the edge of the range an item moves less than asked: only what it
    // moved is put back.
    const platform::Point moved = MoveItem(*project->Settings, selection_, dx - drag_.dx, dy - drag_.dy);
    drag_.dx += moved.x;
    drag_.dy += moved.y;
}

void Arranger::EndDrag() {
    const int dx = drag_.dx, dy = drag_.dy;
    CancelDrag();
    if (dx != 0 || dy != 0) Move(dx, dy);
}

void Arranger::CancelDrag() {
    if (!drag_.pressed) return;
    DragTo(0, 0);
    drag_ = {};
    CInstallerWnd* project = Project();
    if (project && project->Wnd) project->Wnd->ReleaseCapture();
}

void Arranger::Move(int dx, int dy) {
    CInstallerWnd* project = Project();
    if (!project || !Selected()) return;
    session_.BeginChange("Move");
    const platform::Point moved = MoveItem(*project->Settings, selection_, dx, dy);
    if (moved.x == 0 && moved.y == 0) return;  // at the edge of the range: no change
    Redraw();
    view_.ItemMoved();
}

void Arranger::OnLButtonDblClk(unsigned flags, platform::Point point) {
    CInstallerWnd* project = Project();
    if (!project) return;
    OnLButtonDown(flags, point);
    CancelDrag();
    if (Selected()) view_.ShowProperties(selection_);
}

void Arranger::OnKeyDown(unsigned virtualKey, unsigned flags) {
    if (!Selected() || drag_.pressed) return;
    const int step = (flags & platform::keyflag::Shift) ? kShiftStep : 1;
    switch (virtualKey) {
        case platform::vk::Left:
            Move(-step, 0);
            break;
        case platform::vk::Right:
            Move(step, 0);
            break;
        case platform::vk::Up:
            Move(0, -step);
            break;
        case platform::vk::Down:
            Move(0, step);
            break;
        case platform::vk::Return:
            view_.ShowProperties(selection_);
            break;
        default:
            break;
    }
}

// Black outside white: seen on any background.
void Arranger::DrawOver(platform::DC& dc) {
    CInstallerWnd* project = Project();
    if (!project || !Selected()) return;
    const platform::Rect box = NearWindow(ItemBox(*project, selection_));
    if (box.right <= box.left || box.bottom <= box.top) return;
    FrameRect(dc, {box.left - 2, box.top - 2, box.right + 2, box.bottom + 2},
              platform::Rgb(0, 0, 0));
    FrameRect(dc, {box.left - 1, box.top - 1, box.right + 1, box.bottom + 1},
              platform::Rgb(255, 255, 255));
}
