// Arrange mode: the preview as a canvas. A click selects a link or logo, a drag
// moves it, the arrow keys move it by 1 pixel (Shift: 10), a double-click or
// Enter opens its properties. While it is on, links do not run and logos stand
// at their end places; the selection outline is drawn here, over the menu's
// own paint, so the disc never has it. A drag repaints only the preview; the
// move becomes one change when the button is released.
#pragma once

#include "editor/project_session.h"
#include "editor/template_edit.h"
#include "engine/installer_wnd.h"

// What the arranger needs of the editor's windows.
class ArrangeView {
  public:
    virtual ~ArrangeView() = default;
    // The tree follows the preview's selection (a Root node: none).
    virtual void ItemSelected(TemplateNode item) = 0;
    virtual void ShowProperties(TemplateNode item) = 0;
    // An item moved: mark the project modified and refresh it.
    virtual void ItemMoved() = 0;
};

class Arranger : public ItemArranger {
  public:
    Arranger(ProjectSession& session, ArrangeView& view) : session_(session), view_(view) {}
    ~Arranger() override;
    Arranger(const Arranger&) = delete;
    Arranger& operator=(const Arranger&) = delete;

    void SetOn(bool on);
    bool IsOn() const { return on_; }
    // A menu window was made (open, reload): it is arranged too. The
    // selection stays across a reload of the same project.
    void WindowShown();
    // The tree's selection; anything but a link or logo selects nothing.
    void Select(TemplateNode item);
    TemplateNode Selection() const { return selection_; }

    // ItemArranger.
    void OnMouseMove(unsigned flags, platform::Point point) override;
    void OnLButtonDown(unsigned flags, platform::Point point) override;
    void OnLButtonUp(unsigned flags, platform::Point point) override;
    void OnLButtonDblClk(unsigned flags, platform::Point point) override;
    void OnKeyDown(unsigned virtualKey, unsigned flags) override;
    void DrawOver(platform::DC& dc) override;

  private:
    CInstallerWnd* Project() const { return session_.GetInstallerWnd(); }
    bool Selected() const;
    void Redraw();
    void RedrawAround(platform::Rect before);
    void EndDrag();
    void CancelDrag();  // the item back where the press found it
    void DragTo(int dx, int dy);
    void Move(int dx, int dy);

    ProjectSession& session_;
    ArrangeView& view_;
    bool on_ = false;
    TemplateNode selection_;
    std::string folder_;  // of the project the selection belongs to

    struct Drag {
        bool pressed = false;
        bool moving = false;  // past the few pixels a click may wander
        platform::Point from;
        int dx = 0, dy = 0;  // applied to the record so far
    } drag_;
};
