// The four property dialogs, each over its core form: the form's rows fill
// the controls, a check or radio clicked takes the enabling along, the fields
// show live in the preview and OK stores through the form. Beside a field a
// button browses for its file or chooses its colour, and a swatch shows it.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "editor/editor_face.h"
#include "editor/forms/audio_form.h"
#include "editor/forms/background_form.h"
#include "editor/forms/hyperlink_form.h"
#include "editor/forms/logo_form.h"
#include "editor/win32/dialog.h"

class CInstallerWnd;

// A control that serves the field beside it.
struct FieldHelper {
    enum What { Browse, Colour, ColourOrNone, Swatch } what;  // ColourOrNone: empty opens blank
    int id;
    int field;
    const char* filter = nullptr;  // Browse: "name|pattern"
};

struct DialogLook {
    int templateId;
    const char* helpTopic;
    std::vector<FieldHelper> helpers;
};

class CPropertyDlg : public CDialog {
  public:
    CPropertyDlg(DialogLook look, CInstallerWnd& project, int index);
    LiveHook OnLiveChange;

  protected:
    // The fields as they stand, into the record for the preview (no messages,
    // nothing copied); the caller puts the record back after Cancel.
    virtual void PreviewFields() = 0;
    // The preview follows, and a swatch its field.
    void OnFieldChanged(int id) override;
    // The helpers; subclasses pass on what they do not handle.
    bool OnCommand(int id, int code) override;
    bool OnDrawItem(const DRAWITEMSTRUCT& item) override;

    CInstallerWnd& project_;
    const int index_;

  private:
    std::vector<FieldHelper> helpers_;
};

template <class Form>
class CFormDlg : public CPropertyDlg {
  public:
    CFormDlg(CInstallerWnd& project, int index);

  protected:
    void OnInitDialog() override;  // a slot the form cannot load ends the dialog
    bool OnCommand(int id, int code) override;
    bool OnOK() override;
    void PreviewFields() override;
    virtual void Fill();
    virtual bool Read(Form& form, bool quiet = false);

    Form form_;
};

using CBackgroundPropertiesDlg = CFormDlg<BackgroundForm>;
using CAudioPropertiesDlg = CFormDlg<AudioForm>;
using CLogoPropertiesDlg = CFormDlg<LogoForm>;

// The action radios and the path kinds go through the form, which sets the
// captions, texts and enabling anew.
class CHyperlinkPropertiesDlg : public CFormDlg<HyperlinkForm> {
  public:
    using CFormDlg::CFormDlg;

  protected:
    bool OnCommand(int id, int code) override;
    void Fill() override;
    bool Read(HyperlinkForm& form, bool quiet) override;

  private:
    void Browse();
    void AddToDisc();
};
