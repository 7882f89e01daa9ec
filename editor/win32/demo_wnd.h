// CDemoWnd: the preview pane. It holds the open project and shows it as the
// disc will, by hosting the real menu window (CInstallerWnd on the Win32
// platform layer) as its child.
#pragma once

#include <memory>
#include <string>

#include "editor/arranger.h"
#include "editor/project_session.h"
#include "editor/win32/native_window.h"

class CMainFrame;

class CDemoWnd : public CNativeWindow, public ProjectView, public ArrangeView {
  public:
    explicit CDemoWnd(CMainFrame* frame) : frame_(frame) {}
    ~CDemoWnd() override;

    bool Create(HWND parent, int id);

    bool NewProject(const std::string& folder) { return session_.NewProject(folder); }
    bool OpenProject(const std::string& folder, bool testMode) {
        return session_.OpenProject(folder, testMode);
    }
    bool SaveProject() { return session_.SaveProject(); }
    bool PromptSave() { return session_.PromptSave(); }
    // The preview keeps the keyboard across the reload that makes it anew.
    void ReloadProject(bool testMode);
    void SetModified(bool flag) { session_.SetModified(flag); }
    void ShowRecord() { session_.ShowRecord(); }
    void BeginChange(const std::string& stepName) { session_.BeginChange(stepName); }
    bool Undo() { return session_.Undo(); }
    bool Redo() { return session_.Redo(); }
    std::string UndoName() const { return session_.UndoName(); }
    std::string RedoName() const { return session_.RedoName(); }
    bool Modified() const { return session_.Modified; }
    CInstallerWnd* GetInstallerWnd() const { return session_.GetInstallerWnd(); }

    Arranger& Arrange() { return arranger_; }
    void FocusPreview();

    // The frame is being destroyed: the save question (unless it was asked
    // already), then the project goes while its windows still exist.
    void FrameClosing();

    // ProjectView.
    platform::Window* PreviewParent() override { return parent_.get(); }
    void RebuildTree() override;
    std::string GetTitle() const override;
    void SetTitle(const std::string& title) override;
    void ProjectChanged() override;

    // ArrangeView.
    void ItemSelected(TemplateNode item) override;
    void ShowProperties(TemplateNode item) override;
    void ItemMoved() override;

  protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void CentreMenu();
    HWND Preview() const;

    // Posted to the pane: open the properties asked for on the preview.
    static constexpr UINT WM_SHOW_PROPERTIES = WM_APP + 0x20;

    CMainFrame* frame_;
    std::unique_ptr<platform::Window> parent_;
    ProjectSession session_{this};
    Arranger arranger_{session_, *this};
    TemplateNode propertiesOf_;  // asked for by a double-click, opened once it is over
};
