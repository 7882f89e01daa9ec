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

    // The items up to the End that closes `sizer`, children of `parent`; `top`:
    // the dialog's own column, whose parts are as wide, with a margin.
    void Fill(wxWindow* parent, wxSizer* sizer, Widget kind, int gap, bool top = false) {
        for (bool first = true; at != end && at->widget != Widget::End; first = false) {
            const DialogItem& item = *at++;
            if (item.widget == Widget::Stretch || item.widget == Widget::Space) {
                item.widget == Widget::Space ? sizer->AddSpacer(item.width)
                                             : sizer->AddStretchSpacer();
                continue;
            }
            wxSizer* inner = nullptr;
            wxWindow* window = Make(parent, item, &inner);
            const bool grow = item.flags & GROW;
            int flags = grow ? wxEXPAND : 0;
            if (top)
                flags = wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM | (first ? wxTOP : 0);
            else if (kind == Widget::Box)
                flags |= wxALL;
            else if (kind == Widget::Column)
                flags |= first ? 0 : wxTOP;
            else if (inner || (grow && kind == Widget::Grid))
                flags = wxEXPAND | (kind == Widget::Row && !first ? wxLEFT : 0);
            else
                flags = wxALIGN_CENTRE_VERTICAL | (kind == Widget::Row && !first ? wxLEFT : 0);
            const int share = kind == Widget::Row && grow ? 1 : 0;
            inner ? sizer->Add(inner, share, flags, gap) : sizer->Add(window, share, flags, gap);
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
                Fill(parent, *inner = grid, Widget::Grid, 0);
                return nullptr;
            }
            case Widget::Box: {
                auto* box = new wxStaticBoxSizer(wxVERTICAL, parent, item.text);
                Fill(box->GetStaticBox(), *inner = box, Widget::Box, item.width);
                return nullptr;
            }
            case Widget::Label:
            case Widget::Heading:
            case Widget::Caption: {
                const long style = item.widget != Widget::Caption ? 0
                                   : item.flags & RIGHT_ALIGNED ? wxST_NO_AUTORESIZE | wxALIGN_RIGHT
                                                                : wxST_NO_AUTORESIZE;
                auto* text = new wxStaticText(parent, item.id ? item.id : wxID_ANY, item.text, at,
                                              size, style);
                if (item.widget == Widget::Heading) text->SetFont(text->GetFont().Bold());
                return text;
            }
            case Widget::Edit:
                return new wxTextCtrl(parent, item.id, wxEmptyString, at, size);
            case Widget::Swatch:
                return new ColourSwatch(parent, FieldOf(item));
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
            default:
                return MakeButton(parent, item);
        }
    }

    wxTextCtrl* FieldOf(const DialogItem& item) const {
        return Find<wxTextCtrl>(dialog, item.target);
    }

    wxButton* MakeButton(wxWindow* parent, const DialogItem& item) {
        const Widget w = item.widget;
        const int id = w == Widget::Ok ? wxID_OK : w == Widget::Cancel ? wxID_CANCEL : item.id;
        auto* button =
            new wxButton(parent, id, w == Widget::FileButton ? "..." : item.text, wxDefaultPosition,
                         wxDefaultSize, item.flags & EXACT_FIT ? wxBU_EXACTFIT : 0);
        if (w == Widget::Ok) button->SetDefault();
        wxDialog* owner = dialog;
        wxTextCtrl* field = item.target ? FieldOf(item) : nullptr;
        if (w == Widget::FileButton) {
            button->Bind(wxEVT_BUTTON, [owner, field, filter = item.text](wxCommandEvent&) {
                BrowseResource(owner, filter, field);
            });
        } else if (w == Widget::ColourButton) {
            const bool preselect = !(item.flags & BLANK_WHEN_EMPTY);
            button->Bind(wxEVT_BUTTON, [owner, field, preselect](wxCommandEvent&) {
                ChooseColour(owner, field, preselect);
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
