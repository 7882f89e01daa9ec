// What the editor controller asks of a face (the wx or the Win32 frame): the
// widgets it shows, the dialogs it runs, and a call run later from the loop.
// A face answers these and forwards its events; it keeps no rule of its own.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "editor/forms/form_fields.h"
#include "editor/template_edit.h"
#include "editor/template_tree.h"

namespace platform {
class Window;
}

// The Project Wizard's answer.
struct WizardChoice {
    bool openExisting = false;
    bool showAtStartup = true;
};
// The wizard's controls and the members they show.
FormFields<WizardChoice> WizardFields();

// Runs after each change of a property dialog's fields with the call that
// puts the fields into the record.
using LiveHook = std::function<void(const std::function<void()>& write)>;

class EditorFace {
  public:
    virtual ~EditorFace() = default;

    // `call` runs from the event loop, after the event being handled; never
    // once the face is gone.
    virtual void Post(std::function<void()> call) = 0;

    // The window the menu window is made a child of.
    virtual platform::Window* PreviewParent() = 0;
    virtual bool PreviewHasFocus() const = 0;
    virtual void FocusPreview() = 0;
    // F6: the other pane gets the keyboard.
    virtual void SwitchPane() = 0;

    virtual std::string FrameTitle() const = 0;
    virtual void SetFrameTitle(const std::string& title) = 0;

    // The tree anew (rows as TreeRows makes them), `select` picked when it shows.
    virtual void ShowTree(const std::vector<TreeRow>& rows, TemplateNode select) = 0;
    // Picks the node without telling the controller; a node not shown picks none.
    virtual void SelectInTree(TemplateNode node) = 0;
    virtual TemplateNode TreeSelection() const = 0;
    // The recent projects' menu texts, in order, above Exit.
    virtual void ShowRecentList(const std::vector<std::string>& menuTexts) = 0;

    // Dialogs; each false when the user cancelled.
    virtual bool RunWizard(WizardChoice* choice) = 0;
    virtual bool AskNewProjectFolder(const std::string& defaultParent, std::string* folder) = 0;
    virtual bool AskProjectFolder(std::string* folder) = 0;
    // A property dialog on slot `index`; true when it ended with OK. `live`
    // (empty for Audio) runs as its fields change.
    virtual bool RunPropertyDialog(ItemDialog dialog, int index, const LiveHook& live) = 0;
    virtual void ShowAbout() = 0;
    // The user guide, at a topic when one is given.
    virtual void ShowHelp(const std::string& topic) = 0;
    // Closes the frame as its close box does (the save question comes then).
    virtual void CloseFrame() = 0;

    // Make Disc Image: the file to write, and `work` run under a progress
    // display that can stop it (progress: percent, or -1 while unknown;
    // false stops). Only the Linux face has them.
    using Progress = std::function<bool(int percent)>;
    virtual bool AskImagePath(const std::string& /*folder*/, const std::string& /*name*/,
                              std::string* /*path*/) {
        return false;
    }
    virtual void RunWithProgress(const std::function<void(const Progress&)>& /*work*/) {}
};
