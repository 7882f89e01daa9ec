// CSplitter: two panes side by side with a bar between them that the user
// drags; the panes' notifications go on to its parent. It never unsplits:
// each pane keeps at least MIN_PANE pixels while there is room for both.
#pragma once

#include "editor/win32/native_window.h"

class CSplitter : public CNativeWindow {
  public:
    bool Create(HWND parent, int id, int leftWidth);
    // The panes are children of the splitter, made by the caller.
    void SetPanes(HWND left, HWND right);

    static constexpr int BAR = 6;
    static constexpr int MIN_PANE = 24;

  protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void Layout();
    int Clamp(int left) const;
    bool OnBar(int x) const { return x >= left_ && x < left_ + BAR; }

    HWND panes_[2] = {};
    int left_ = 0;
};
