// The frame only mirrors the controller: its menus, toolbar, the tree's popup
// and the property dialogs are walked here against the core's tables in a few
// states, so a slip in any command's wiring shows.
#include <dlfcn.h>
#include <wx/colordlg.h>

#include "editor/forms/colour_text.h"
#include "editor/forms/form_access.h"
#include "editor/wx/background_dlg.h"
#include "editor/wx/dialog_parts.h"
#include "editor/wx/hyperlink_dlg.h"
#include "editor/wx/logo_dlg.h"
#include "editor_fixture.h"

using namespace editor_test;

namespace {

class MirrorTest : public EditorTest {
  protected:
    // Every menu item and toolbar button against the command table and the
    // controller's state now.
    void ExpectBarsMirror(const char* state) {
        SCOPED_TRACE(state);
        UpdateMenus();
        auto shown = [](std::string label, bool enabled, bool checked, std::string more) {
            return label + (enabled ? "" : " (greyed)") + (checked ? " (checked)" : "") + more;
        };
        for (const MenuLayout& layout : MenuBar())
            for (int id : layout.ids) {
                if (!id || !CommandAvailable(id)) continue;
                const CommandInfo& c = *FindCommand(id);
                const CommandState s = frame->Editor->StateOf(id);
                wxMenuItem* item = frame->GetMenuBar()->FindItem(id);
                ASSERT_NE(item, nullptr) << c.label;
                std::unique_ptr<wxAcceleratorEntry> accel(item->GetAccel());
                EXPECT_EQ(shown(item->GetItemLabelText().utf8_string(), item->IsEnabled(),
                                item->IsCheckable() && item->IsChecked(),
                                accel ? accel->ToRawString().utf8_string() : ""),
                          shown(PlainLabel(frame->Editor->LabelOf(id).c_str()), s.enabled,
                                c.check && s.checked, ShortcutText(c.keys)));
            }
        for (int id : ToolbarButtons()) {
            if (!id || !CommandAvailable(id)) continue;
            const CommandInfo& c = *FindCommand(id);
            const CommandState s = frame->Editor->StateOf(id);
            const wxToolBarToolBase* tool = frame->GetToolBar()->FindById(id);
            ASSERT_NE(tool, nullptr) << c.label;
            EXPECT_EQ(shown(tool->GetShortHelp().utf8_string(), tool->IsEnabled(),
                            tool->IsToggled(), "|" + tool->GetLongHelp().utf8_string()),
                      shown(c.tip, s.enabled, c.check && s.checked, "|" + std::string(c.prompt)));
        }
    }
};

// The bars in each state a user meets: no project, the sample modified with a
// link picked (the title marks it), after an edit (Undo on, the moved link still picked on the
// arranged preview), arranging off again; the popup on a category and a logo, the category's
// first entry taken by the keys: Insert, whose dialog's Cancel adds nothing.
TEST_F(MirrorTest, BarsAndPopupFollowTheController) {
    NoWizard();
    Start();
    ExpectBarsMirror("no project");
    OpenSample();
    Tree()->SelectItem(Child(kLinks, 0));
    frame->Editor->Session().SetModified(true);
    ExpectBarsMirror("a link picked, modified");
    const std::string title = frame->GetTitle().utf8_string();
    EXPECT_EQ(title.substr(title.size() - 8), "sample/*");
    OnModal<CHyperlinkPropertiesDlg> inserted([](CHyperlinkPropertiesDlg* d) {
        EXPECT_EQ(d->LabelEdit->GetValue(), "New Command");
        Press(d, wxID_CANCEL);
    });
    // A right click on the node, onto it from outside the tree so GTK sees the
    // pointer enter; the popup runs its own loop, so the keys come from a timer
    // inside it. Its entries as shown, each enabled or not.
    for (const Place place : {kLinks, kLogos}) {
        const wxTreeItemId node = place == kLinks ? Category(kLinks) : Child(kLogos, 0);
        const ItemMenu state = frame->Editor->ItemMenuOf(frame->TreeView->NodeOf(node));
        std::vector<std::pair<std::string, bool>> expected, shown;
        for (const ItemMenuEntry& entry : ItemMenuEntries())
            if (entry.id) expected.emplace_back(PlainLabel(entry.label), state.Enabled(entry.id));
        wxRect r;
        EXPECT_TRUE(Tree()->GetBoundingRect(node, r, true));
        const wxPoint at =
            Tree()->ClientToScreen(r.GetPosition() + wxPoint(r.width / 2, r.height / 2));
        gui_test::Screen().MovePointer(at.x + 400, at.y);
        PumpFor(100);
        gui_test::Screen().MovePointer(at.x, at.y);
        PumpFor(300);
        wxTimer press, stuck;  // a popup that took no keys must not hang the test
        press.Bind(wxEVT_TIMER, [&](wxTimerEvent&) {
            for (const char* key :
                 place == kLinks ? std::vector{"Down", "Return"} : std::vector{"Escape"})
                gui_test::Screen().PressKey(key);
        });
        stuck.Bind(wxEVT_TIMER, [](wxTimerEvent&) { gui_test::Screen().PressKey("Escape"); });
        auto opened = [&](wxMenuEvent& e) {
            for (wxMenuItem* item : e.GetMenu()->GetMenuItems())
                if (!item->IsSeparator())
                    shown.emplace_back(item->GetItemLabelText().utf8_string(), item->IsEnabled());
            press.StartOnce(300);
            stuck.StartOnce(4000);
            e.Skip();
        };
        frame->TreeView->Bind(wxEVT_MENU_OPEN, opened);
        gui_test::Screen().Click(3);
        PumpUntil([&] { return !shown.empty(); }, 3000);
        PumpFor(500);
        frame->TreeView->Unbind(wxEVT_MENU_OPEN, opened);
        EXPECT_EQ(shown, expected) << Tree()->GetItemText(node);
    }
    EXPECT_TRUE(PumpUntil([&] { return inserted.Runs() == 1; }, 5000));
    EXPECT_EQ(S().NumberOfHotSpots, 4) << "a cancelled insert is not counted";
    Command(ID_ARRANGE_ITEMS);
    Tree()->SelectItem(Child(kLinks, 0));
    const std::string first = Tree()->GetItemText(Child(kLinks, 0)).utf8_string();
    Command(ID_MOVE_DOWN);
    ASSERT_TRUE(PumpUntil([&] { return Tree()->GetItemText(Child(kLinks, 1)) == first; }));
    EXPECT_EQ(frame->TreeView->NodeOf(Tree()->GetSelection()).index, 1);
    const TemplateNode picked = frame->Editor->Arrange().Selection();
    EXPECT_EQ(picked.kind, NodeKind::Hyperlink);
    EXPECT_EQ(picked.index, 1) << "the arranged preview picks the moved link";
    ExpectBarsMirror("arranging, after a move");
    Command(ID_ARRANGE_ITEMS);
    ExpectBarsMirror("arranging off");
}

// A pick in GTK's colour selection, which the chooser's OK reads back.
struct Rgba {
    double red, green, blue, alpha;
};
void PickInChooser(wxColourDialog* chooser, Rgba colour) {
    auto gtk = [](const char* name) { return dlsym(RTLD_DEFAULT, name); };
    auto selection =
        reinterpret_cast<void* (*)(void*)>(gtk("gtk_color_selection_dialog_get_color_selection"));
    auto set =
        reinterpret_cast<void (*)(void*, const Rgba*)>(gtk("gtk_color_selection_set_current_rgba"));
    ASSERT_TRUE(selection && set);
    set(selection(chooser->GetHandle()), &colour);
}

// Set every field a dialog's rows name, clicking each check and radio (the
// enabling follows the form's rule after each), choose `colours` through the
// chooser (full, opening on the field's colour; Cancel leaves the field), OK:
// the project stores what the controls showed.
template <class Form, class Dialog>
void RoundTrip(CInstallerWnd& project, int slot, std::function<Dialog*()> make,
               std::vector<std::pair<int, int>> colours, std::function<void(Dialog*)> more = {}) {
    // The link's path kind carries state beyond its rows: its dialog sets it.
    const bool clicks = !more;
    Form shown;
    auto taken = [&](Dialog* d) {
        Form f;
        LoadForm(f, project, slot);
        for (const auto& row : FieldsOf(f))
            row.TakeChecked(f, dialog_parts::TakeField(d, row.id, row.kind, row.Text(f)));
        return f;
    };
    auto expectEnabling = [&](Dialog* d, int after) {
        const Form f = taken(d);
        for (const auto& row : FieldsOf(f))
            EXPECT_EQ(d->FindWindow(row.id)->IsEnabled(), row.Enabled(f))
                << "control " << row.id << " after a click on " << after;
    };
    OnModal<Dialog> act([&](Dialog* d) {
        for (const auto& row : FieldsOf(shown)) {
            wxWindow* control = d->FindWindow(row.id);
            if (!clicks || !row.IsChoice() || !control->IsEnabled()) continue;
            Click(control);
            expectEnabling(d, row.id);
        }
        for (const auto& row : FieldsOf(shown))
            if (row.kind == FieldKind::Number && d->FindWindow(row.id)->IsEnabled()) {
                auto* edit = dynamic_cast<wxTextCtrl*>(d->FindWindow(row.id));
                edit->SetValue(
                    wxString::Format("%ld", std::stol(edit->GetValue().ToStdString()) + 1));
            }
        for (const auto& [button, field] : colours) {
            auto* text = dynamic_cast<wxTextCtrl*>(d->FindWindow(field));
            text->SetValue("0x0a0b0c");
            wxTEST_DIALOG(Press(d, button), Act<wxColourDialog>([](wxColourDialog* c) {
                              EXPECT_TRUE(c->GetColourData().GetChooseFull());
                              EXPECT_EQ(c->GetColourData().GetColour(), wxColour(10, 11, 12));
                              return wxID_CANCEL;
                          }));
            EXPECT_EQ(text->GetValue().utf8_string(), "0x0a0b0c");
            wxTEST_DIALOG(Press(d, button), Act<wxColourDialog>([](wxColourDialog* c) {
                              PickInChooser(c, {10 / 255.0, 20 / 255.0, 30 / 255.0, 1});
                              return wxID_OK;
                          }));
            EXPECT_EQ(text->GetValue().utf8_string(), ColourText({10, 20, 30}));
        }
        if (more) more(d);
        shown = taken(d);
        EXPECT_TRUE(PressOk(d));
    });
    std::unique_ptr<Dialog> dialog(make());
    EXPECT_EQ(dialog->ShowModal(), wxID_OK);
    ASSERT_EQ(act.Runs(), 1);
    Form stored;
    ASSERT_TRUE(LoadForm(stored, project, slot));
    for (const auto& row : FieldsOf(stored)) {
        if (row.kind == FieldKind::Button || row.kind == FieldKind::Caption || !row.Enabled(shown))
            continue;
        EXPECT_EQ(row.Checked(stored), row.Checked(shown)) << "control " << row.id;
        if (row.text) {
            EXPECT_EQ(*row.Text(stored), *row.Text(shown)) << "control " << row.id;
        }
    }
}

TEST_F(OnSample, DialogRoundTripsStoreWhatTheControlsShow) {
    CInstallerWnd& p = *Project();
    {
        SCOPED_TRACE("background");
        RoundTrip<BackgroundForm, CBackgroundPropertiesDlg>(
            p, 0, [&] { return new CBackgroundPropertiesDlg(frame, p); },
            {{IDC_BG_CHOOSE, IDC_BG_COLOUR}});
    }
    {
        SCOPED_TRACE("logo");
        RoundTrip<LogoForm, CLogoPropertiesDlg>(p, 0,
                                                [&] { return new CLogoPropertiesDlg(frame, p, 0); },
                                                {{IDC_LOGO_MASK_CHOOSE, IDC_LOGO_MASK}});
    }
    SCOPED_TRACE("link");
    const std::string source = temp.File("bin/notes.txt");
    sandbox::WriteBytes(source, "notes");
    RoundTrip<HyperlinkForm, CHyperlinkPropertiesDlg>(
        p, 1, [&] { return new CHyperlinkPropertiesDlg(frame, p, 1); },
        {{IDC_LINK_TEXT_CHOOSE, IDC_LINK_TEXT_COLOUR},
         {IDC_LINK_HILITE_CHOOSE, IDC_LINK_HILITE_COLOUR}},
        [&](CHyperlinkPropertiesDlg* d) {
            // Run a file given relative to the disc: Add to Disc copies it in.
            for (int id : {LINK_ACTION_IDS[3], IDC_LINK_RELATIVE}) Click(d->FindWindow(id));
            ASSERT_TRUE(d->FindWindow(IDC_LINK_ADD_TO_DISC)->IsEnabled());
            ASSERT_TRUE(d->AddFileToDisc(source, p.ProjectFolder));
            const std::string shown = d->DataAEdit->GetValue().utf8_string();
            EXPECT_NE(shown, source);
            EXPECT_EQ(sandbox::ReadBytes(p.ProjectFolder + shown), "notes") << shown;
        });
}

}  // namespace
