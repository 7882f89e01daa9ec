// The open project of the editor and its unsaved-changes flag, with New, Open,
// Save, the save question, Close and the preview's reload. Plain C++: the
// preview pane supplies the windows through ProjectView, so tests run it
// headless. A save that fails loses nothing: the edit stays in memory, marked
// as modified, and the preview keeps showing it.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "editor/edit_history.h"
#include "editor/picture_cache.h"
#include "engine/installer_wnd.h"

// What the session needs of the editor's windows.
class ProjectView {
  public:
    virtual ~ProjectView() = default;
    // The window the menu window is made a child of (null: a top-level one).
    virtual platform::Window* PreviewParent() = 0;
    virtual void RebuildTree() = 0;
    // The main frame's title.
    virtual std::string GetTitle() const = 0;
    virtual void SetTitle(const std::string& title) = 0;
    // The project changed: a finished build no longer matches it.
    virtual void ProjectChanged() = 0;
};

class ProjectSession {
  public:
    explicit ProjectSession(ProjectView* view) : view_(view) {}
    ~ProjectSession();
    ProjectSession(const ProjectSession&) = delete;
    ProjectSession& operator=(const ProjectSession&) = delete;

    // Each closes the open project first, after the save question; when that
    // save fails, the open project stays as it is and they return false. The
    // title follows: the project's, or the program's when none is open.
    bool NewProject(const std::string& folder);
    bool OpenProject(const std::string& folder, bool testMode);
    // False when the project could not be written (the writer said why).
    bool SaveProject();
    // The save question before the project closes: true when it may close
    // (saved, nothing to save, or the user chose not to save).
    bool PromptSave();
    // Closes the window and lets go of the project's pictures.
    void CloseProject();

    // Save, then open again: a still picture, or (test mode) started as the
    // runtime starts. When the save fails, the record in memory is shown anew.
    void ReloadProject(bool testMode);
    void SetModified(bool flag);
    // The preview shows the record in memory, neither saved nor reloaded: the
    // fields of an open property dialog.
    void ShowRecord();
    // Called before a change to the record is made ("Move", "Insert Link"):
    // the undo history keeps the record as it was under that step's name.
    void BeginChange(const std::string& stepName);
    // Puts the record back as it was before the last step (as it was after
    // it), then marks and refreshes as any change does. False when there is
    // no step to take.
    bool Undo();
    bool Redo();
    // The step Undo (Redo) would take; empty when none.
    std::string UndoName() const { return history_.UndoName(); }
    std::string RedoName() const { return history_.RedoName(); }

    CInstallerWnd* GetInstallerWnd() const { return InstallerWnd.get(); }
    // The view goes away: nothing may be asked of it any more.
    void DetachView() { view_ = nullptr; }

    std::unique_ptr<CInstallerWnd> InstallerWnd;
    bool Modified = false;

    // The next open, when it opens `folder`, takes the pictures `take` gives
    // (decoded ahead, at start) before it loads its own; any open drops it.
    void ExpectOpen(const std::string& folder,
                    std::function<std::vector<PictureCache::Decoded>()> take) {
        aheadFolder_ = folder;
        ahead_ = std::move(take);
    }

    // The decoded pictures kept across refreshes.
    const PictureCache& Pictures() const { return pictures_; }

  private:
    bool Open(const std::string& folder, bool testMode);
    bool Show(bool testMode);
    bool CreateWindow();
    void RebuildTree();
    void ShowTitle(bool open, const std::string& folder);
    bool Restore(bool (EditHistory::*take)(LaunchSettings&));

    ProjectView* view_;
    PictureCache pictures_;
    std::string aheadFolder_;
    std::function<std::vector<PictureCache::Decoded>()> ahead_;
    EditHistory history_;
};

// The frame's title with a project folder open.
std::string ProjectTitle(const std::string& folder);
constexpr const char* PROGRAM_TITLE = "VelomarForge";
