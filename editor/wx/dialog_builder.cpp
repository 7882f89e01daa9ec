// A dialog's widgets made from its layout rows, with the browse and colour
// buttons bound to the fields they serve.
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/radiobut.h>
#include <wx/sizer.h>
#include <wx/statbmp.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "editor/wx/dialog_parts.h"
#include "editor/wx/field_buttons.h"

namespace dialog_parts {

namespace {

struct Builder {
    wxDialog* dialog;
    const DialogItem* at;
    const DialogItem* end;

    wxTextCtrl* Field(int id) const { return wxStaticCast(dialog->FindWindow(id), wxTextCtrl); }

    // The items up to the End that closes `sizer`, children of `parent`; `top`:
    // the dialog's own column, whose parts are as wide, with a margin.
    void Fill(wxWindow* parent, wxSizer* sizer, Widget kind, int gap, bool top = false) {
        for (bool first = true; at != end && at->widget != Widget::End; first = false) {
            const DialogItem& item = *at++;
            if (item.widget == Widget::Stretch) {
                sizer->AddStretchSpacer();
                continue;
            }
            if (item.widget == Widget::Space) {
                sizer->AddSpacer(item.width);
                continue;
            }
            wxSizer* inner = nullptr;
            wxWindow* window = Make(parent, item, &inner);
            const bool grow = item.flags & GROW;
            int flags = 0, border = gap;
            if (top) {
                flags = wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM | (first ? wxTOP : 0);
            } else if (kind == Widget::Box) {
                flags = (grow ? wxEXPAND : 0) | wxALL;
            } else if (kind == Widget::Column) {
                flags = (grow ? wxEXPAND : 0) | (first ? 0 : wxTOP);
            } else {
                flags = inner ? int(wxEXPAND) : int(wxALIGN_CENTRE_VERTICAL);
                if (kind == Widget::Grid && grow) flags = wxEXPAND;
                if (kind == Widget::Row && !first) flags |= wxLEFT;
            }
            const int share = kind == Widget::Row && grow ? 1 : 0;
            if (inner)
                sizer->Add(inner, share, flags, border);
            else
                sizer->Add(window, share, flags, border);
        }
        if (at != end) ++at;
    }

    // A control, or a container (`inner`) with its items.
    wxWindow* Make(wxWindow* parent, const DialogItem& item, wxSizer** inner) {
        const wxSize size(item.width ? item.width : -1, -1);
        const wxPoint at = wxDefaultPosition;
        switch (item.widget) {
            case Widget::Column:
            case Widget::Row:
                *inner = new wxBoxSizer(item.widget == Widget::Row ? wxHORIZONTAL : wxVERTICAL);
                Fill(parent, *inner, item.widget, item.width);
                return nullptr;
            case Widget::Grid: {
                auto* grid = new wxFlexGridSizer(item.id, item.width, item.width);
                for (int c = 1; c < item.id; c += 2) grid->AddGrowableCol(c);
                *inner = grid;
                Fill(parent, grid, Widget::Grid, 0);
                return nullptr;
            }
            case Widget::Box: {
                auto* box = new wxStaticBoxSizer(wxVERTICAL, parent, item.text);
                *inner = box;
                Fill(box->GetStaticBox(), box, Widget::Box, item.width);
                return nullptr;
            }
            case Widget::Label:
            case Widget::Heading: {
                auto* label = new wxStaticText(parent, wxID_ANY, item.text);
                if (item.widget == Widget::Heading) label->SetFont(label->GetFont().Bold());
                return label;
            }
            case Widget::Caption:
                return new wxStaticText(
                    parent, item.id, item.text, at, size,
                    wxST_NO_AUTORESIZE | (item.flags & RIGHT_ALIGNED ? wxALIGN_RIGHT : 0));
            case Widget::Edit:
                return new wxTextCtrl(parent, item.id, wxEmptyString, at, size);
            case Widget::Button:
            case Widget::FileButton:
            case Widget::ColourButton:
                return MakeButton(parent, item);
            case Widget::Swatch:
                return new ColourSwatch(parent, Field(item.target));
            case Widget::Radio:
                return new wxRadioButton(parent, item.id, item.text, at, wxDefaultSize,
                                         item.flags & GROUP ? wxRB_GROUP : 0);
            case Widget::Check: {
                auto* box = new wxCheckBox(parent, item.id, item.text);
                box->Show(!(item.flags & HIDDEN));
                return box;
            }
            case Widget::Picture: {
                auto* picture = new wxStaticBitmap(parent, item.id, wxNullBitmap);
                picture->SetMinSize(wxSize(item.width, item.height));
                return picture;
            }
            case Widget::Ok: {
                auto* ok = new wxButton(parent, wxID_OK, item.text);
                ok->SetDefault();
                return ok;
            }
            case Widget::Cancel:
                return new wxButton(parent, wxID_CANCEL, item.text);
            default:
                return nullptr;
        }
    }

    wxWindow* MakeButton(wxWindow* parent, const DialogItem& item) {
        const bool file = item.widget == Widget::FileButton;
        auto* button = new wxButton(parent, item.id, file ? "..." : item.text, wxDefaultPosition,
                                    wxDefaultSize, item.flags & EXACT_FIT ? wxBU_EXACTFIT : 0);
        wxDialog* owner = dialog;
        const int field = item.target;
        if (file) {
            const char* filter = item.text;
            button->Bind(wxEVT_BUTTON, [owner, field, filter](wxCommandEvent&) {
                BrowseResource(owner, filter, wxStaticCast(owner->FindWindow(field), wxTextCtrl));
            });
        } else if (item.widget == Widget::ColourButton) {
            const bool preselect = !(item.flags & BLANK_WHEN_EMPTY);
            button->Bind(wxEVT_BUTTON, [owner, field, preselect](wxCommandEvent&) {
                ChooseColour(owner, wxStaticCast(owner->FindWindow(field), wxTextCtrl), preselect);
            });
        }
        return button;
    }
};

}  // namespace

void BuildDialog(wxDialog* dialog, const DialogLayout& layout) {
    auto* all = new wxBoxSizer(wxVERTICAL);
    Builder{dialog, layout.begin(), layout.end()}.Fill(dialog, all, Widget::Column, 10, true);
    dialog->SetSizerAndFit(all);
    dialog->CentreOnParent();
}

}  // namespace dialog_parts
