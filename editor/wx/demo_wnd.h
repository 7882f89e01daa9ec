// CDemoWnd: the preview pane. It holds the open project and shows it as the
// disc will, by hosting the real menu window as its child.
#pragma once

#include <wx/window.h>

#include <string>

#include "editor/arranger.h"
#include "editor/project_session.h"
#include "platform/wx/wx_parent_window.h"

class CMainFrame;

class CDemoWnd : public wxWindow, public ProjectView, public ArrangeView {
  public:
    CDemoWnd(wxWindow* parent, CMainFrame* frame);
    ~CDemoWnd() override;

    bool NewProject(const std::string& folder) { return session_.NewProject(folder); }
    bool OpenProject(const std::string& folder, bool testMode) {
        return session_.OpenProject(folder, testMode);
    }
    bool SaveProject() { return session_.SaveProject(); }
    bool PromptSave() { return session_.PromptSave(); }
    void CloseProject() { session_.CloseProject(); }
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
    platform::Window* PreviewParent() override { return &parent_; }
    void RebuildTree() override;
    std::string GetTitle() const override;
    void SetTitle(const std::string& title) override;
    void ProjectChanged() override;

    // ArrangeView.
    void ItemSelected(TemplateNode item) override;
    void ShowProperties(TemplateNode item) override;
    void ItemMoved() override;

  private:
    void OnSize(wxSizeEvent& event);

    CMainFrame* frame_;
    platform::wx::WxParentWindow parent_{this};
    ProjectSession session_{this};
    Arranger arranger_{session_, *this};
};
