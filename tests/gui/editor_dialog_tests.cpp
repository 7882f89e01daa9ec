// The four property dialogs on the open sample: what each shows of the record,
// what OK stores and says, and their buttons (resource browse with its note,
// the full colour chooser, Help). OK runs in a real modal loop.
#include <dlfcn.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/colordlg.h>
#include <wx/radiobut.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "editor/dialogs/resource_import.h"
#include "editor/wx/audio_dlg.h"
#include "editor/wx/background_dlg.h"
#include "editor/wx/hyperlink_dlg.h"
#include "editor/wx/logo_dlg.h"
#include "editor_fixture.h"

using namespace editor_test;

namespace {

std::string Text(wxTextCtrl* edit) { return edit->GetValue().utf8_string(); }

void Choose(wxRadioButton* radio) {
    radio->SetValue(true);
    wxCommandEvent click(wxEVT_RADIOBUTTON, radio->GetId());
    click.SetEventObject(radio);
    radio->GetEventHandler()->ProcessEvent(click);
}

void Check(wxCheckBox* box, bool on) {
    box->SetValue(on);
    wxCommandEvent click(wxEVT_CHECKBOX, box->GetId());
    click.SetInt(on);
    click.SetEventObject(box);
    box->GetEventHandler()->ProcessEvent(click);
}

// Picks a colour in GTK's colour selection as the user does: wx reads the
// widget back after the run, so setting the dialog's data would not count.
// (No GTK headers here: the library is already loaded by wx.)
void PickInChooser(wxColourDialog* dialog, const wxColour& colour) {
    struct Rgba {
        double red, green, blue, alpha;
    };
    using GetSelection = void* (*)(void*);
    using SetRgba = void (*)(void*, const Rgba*);
    auto selection = reinterpret_cast<GetSelection>(
        ::dlsym(RTLD_DEFAULT, "gtk_color_selection_dialog_get_color_selection"));
    auto set =
        reinterpret_cast<SetRgba>(::dlsym(RTLD_DEFAULT, "gtk_color_selection_set_current_rgba"));
    ASSERT_TRUE(selection && set);
    const Rgba rgba{colour.Red() / 255.0, colour.Green() / 255.0, colour.Blue() / 255.0, 1.0};
    set(selection(dialog->GetHandle()), &rgba);
}

// Shows the dialog modally; `edit` types into it, then OK (and Cancel when OK
// refused). True when OK closed it.
template <class D>
bool EditAndOk(D& dialog, const std::function<void(D*)>& edit) {
    bool closed = false;
    OnModal<D> driver([&](D* d) {
        if (edit) edit(d);
        closed = PressOk(d);
    });
    dialog.ShowModal();
    EXPECT_EQ(driver.Runs(), 1);
    return closed;
}

class DialogTest : public EditorTest {
  protected:
    void SetUp() override {
        EditorTest::SetUp();
        NoWizard();
        Start();
        OpenSample();
        project = frame->DemoWnd->GetInstallerWnd();
        s = project->Settings.get();
        fs::create_directories(temp.File("art"));
        fs::copy_file(temp.File("sample/res/disc.bmp"), temp.File("art/pic.bmp"));
        sandbox::WriteBytes(temp.File("art/jingle.wav"), "RIFF jingle");
        services.messages.clear();
    }

    CInstallerWnd* project = nullptr;
    LaunchSettings* s = nullptr;
};

TEST_F(DialogTest, BackgroundShowsAndStoresTheChoice) {
    using D = CBackgroundPropertiesDlg;
    struct Case {
        const char* what;
        std::string stored;
        // What opens: colour mode, colour text, dithered, horizontal, to white.
        bool colour;
        const char* colourText;
        bool dithered, horiz, white;
        std::function<void(D*)> edit;
        bool closes;
        std::string after;
        Messages shown;
    };
    // clang-format off
    const Case cases[] = {
        {"colour radios out", "@@0000000d0000ff", true, "0x0000ff", true, false, true,
         [](D* d) { d->Horiz->SetValue(true); d->ToBlack->SetValue(true); },
         true, "@@000000130000ff", {}},
        {"bitmap of the project in", "res\\background.bmp", false, "", false, false, false,
         nullptr, true, "res\\background.bmp", {}},
        {"bitmap from outside out", "@@0000000d0000ff", true, "0x0000ff", true, false, true,
         [&](D* d) { Choose(d->BitmapRadio); d->BitmapEdit->SetValue(temp.File("art/pic.bmp")); },
         true, "res\\pic.bmp", {}},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        services.messages.clear();
        s->BackGroundBitmapName = c.stored;
        D dialog(frame, *project);
        EXPECT_EQ(dialog.ColourRadio->GetValue(), c.colour);
        EXPECT_EQ(dialog.BitmapRadio->GetValue(), !c.colour);
        EXPECT_EQ(dialog.ColourEdit->IsEnabled(), c.colour);
        EXPECT_EQ(dialog.BitmapEdit->IsEnabled(), !c.colour);
        EXPECT_EQ(dialog.Horiz->IsEnabled(), c.colour && c.dithered);
        if (c.colour) {
            EXPECT_EQ(Text(dialog.ColourEdit), c.colourText);
            EXPECT_EQ(dialog.DitheredBox->GetValue(), c.dithered);
            EXPECT_EQ(dialog.Horiz->GetValue(), c.horiz);
            EXPECT_EQ(dialog.Vert->GetValue(), !c.horiz);
            EXPECT_EQ(dialog.ToWhite->GetValue(), c.white);
        } else {
            EXPECT_EQ(Text(dialog.BitmapEdit), ProjectFilePath(project->ProjectFolder, c.stored));
        }
        EXPECT_EQ(EditAndOk(dialog, c.edit), c.closes);
        EXPECT_EQ(TextOf(s->BackGroundBitmapName), c.after);
        EXPECT_EQ(services.messages, c.shown);
    }
}

TEST_F(DialogTest, AudioShowsNamesAndImportsOnOk) {
    using D = CAudioPropertiesDlg;
    // clang-format off
    const struct {
        const char* what;
        std::function<void(D*)> edit;
        bool closes;
        const char *intro, *hover;
        Messages shown;
    } cases[] = {
        {"unchanged", nullptr, true, "res\\startup.wav", "res\\hover.wav", {}},
        {"intro from outside, hover cleared",
         [&](D* d) {
             d->IntroEdit->SetValue(temp.File("art/jingle.wav"));
             d->HoverEdit->SetValue("");
         },
         true, "res\\jingle.wav", "", {}},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        s->StartupWaveFile = "res\\startup.wav";
        s->HotSpotWaveFile = "res\\hover.wav";
        services.messages.clear();
        D dialog(frame, *project);
        EXPECT_EQ(Text(dialog.IntroEdit), "res\\startup.wav");  // the name, not a path
        EXPECT_EQ(Text(dialog.HoverEdit), "res\\hover.wav");
        EXPECT_EQ(EditAndOk(dialog, c.edit), c.closes);
        EXPECT_EQ(TextOf(s->StartupWaveFile), c.intro);
        EXPECT_EQ(TextOf(s->HotSpotWaveFile), c.hover);
        EXPECT_EQ(services.messages, c.shown);
    }
}

// The sample: logo 0 still, logo 1 animated from (640, 26), logo 2 animated and
// scaled; all masked with magenta, the shared delay 15.
TEST_F(DialogTest, LogoShowsAndStoresItsSlot) {
    using D = CLogoPropertiesDlg;
    struct Case {
        const char* what;
        int index;
        bool animated;
        const char* startX;
        std::function<void(D*)> edit;
        bool closes;
        std::function<void()> check;
        Messages shown;
    };
    // The rules are the form's; here each control moves.
    // clang-format off
    const Case cases[] = {
        {"animated: position, delay and mask out", 1, true, "640",
         [](D* d) {
             d->DelayEdit->SetValue("40");
             d->MaskEdit->SetValue("0x00ff00");
             d->XEdit->SetValue("300");
         },
         true, [&] {
             EXPECT_EQ(s->LogoAnnimationDelay, 40);
             EXPECT_EQ(s->LogoBitmapLocation[1].x, 300);
             EXPECT_EQ((std::vector<int>{s->LogoBitmapMaskColorR[1], s->LogoBitmapMaskColorG[1],
                                         s->LogoBitmapMaskColorB[1]}),
                       (std::vector<int>{0, 255, 0}));
             EXPECT_EQ(TextOf(s->LogoBitmapName[1]), "res\\disc.bmp");
         }, {}},
        {"animate box and start out", 0, false, "0",
         [](D* d) { Check(d->AnimateBox, true); d->StartXEdit->SetValue("-200"); },
         true, [&] {
             EXPECT_EQ(s->AnimateLogo[0], 1);
             EXPECT_EQ(s->LogoBitmapAnimateLocation[0].x, -200);
         }, {}},
    };
    // clang-format on
    const LaunchSettings* original = s;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_EQ(s, original);
        // Back to the sample's values.
        s->LogoAnnimationDelay = 15;
        for (int i = 0; i < 3; ++i) {
            s->LogoBitmapMaskColorR[i] = 255;
            s->LogoBitmapMaskColorG[i] = 0;
            s->LogoBitmapMaskColorB[i] = 255;
        }
        services.messages.clear();
        D dialog(frame, *project, c.index);
        EXPECT_EQ(Text(dialog.BitmapEdit),
                  ProjectFilePath(project->ProjectFolder, TextOf(s->LogoBitmapName[c.index])));
        EXPECT_EQ(Text(dialog.MaskEdit), "0xff00ff");
        EXPECT_EQ(Text(dialog.DelayEdit), "15");  // shown for still logos too
        EXPECT_EQ(Text(dialog.StartXEdit), c.startX);
        EXPECT_EQ(dialog.AnimateBox->GetValue(), c.animated);
        EXPECT_EQ(dialog.StartXEdit->IsEnabled(), c.animated);
        EXPECT_FALSE(dialog.ScaleBox->IsShown());
        EXPECT_EQ(EditAndOk(dialog, c.edit), c.closes);
        c.check();
        EXPECT_EQ(services.messages, c.shown);
    }
}

TEST_F(DialogTest, HyperlinkShowsTheActionAndStoresTheCommand) {
    using D = CHyperlinkPropertiesDlg;
    // Two of the sample's links, a web site and RUN with parameters; what each
    // action shows is the form's, here it reaches the controls.
    const struct {
        int index;
        LinkAction action;
        bool absolute, dataAEnabled, dataBEnabled, browse;
        const char *dataA, *dataB, *captionA, *captionB;
    } loads[] = {
        {0, LinkAction::WebSite, true, true, false, false, "http://www.example.com/", "",
         "WEB Address:", ""},
        {2, LinkAction::RunProgram, false, true, true, false, "tools\\welcome.sh", "--from-menu",
         "Executable name / path", "Optional cmd line params"},
    };
    for (const auto& l : loads) {
        SCOPED_TRACE(l.index);
        D dialog(frame, *project, l.index);
        EXPECT_TRUE(dialog.Action[int(l.action) - 1]->GetValue());
        EXPECT_EQ(dialog.Absolute->GetValue(), l.absolute);
        EXPECT_EQ(dialog.DataAEdit->IsEnabled(), l.dataAEnabled);
        EXPECT_EQ(dialog.DataBEdit->IsEnabled(), l.dataBEnabled);
        EXPECT_EQ(dialog.Browse->IsEnabled(), l.browse);
        EXPECT_EQ(Text(dialog.DataAEdit), l.dataA);
        EXPECT_EQ(Text(dialog.DataBEdit), l.dataB);
        EXPECT_EQ(dialog.DataACaption->GetLabel().utf8_string(), l.captionA);
        EXPECT_EQ(dialog.DataBCaption->GetLabel().utf8_string(), l.captionB);
        EXPECT_EQ(Text(dialog.LabelEdit), TextOf(s->HotSpotText[l.index]));
    }

    const struct {
        const char* what;
        int index;
        std::function<void(D*)> edit;
        bool closes;
        const char *command, *dataA, *dataB;
        Messages shown;
    } stores[] = {
        // clang-format off
        {"path kind out", 2, [](D* d) { Choose(d->Absolute); },
         true, "RUNABSOLUTE", "tools\\welcome.sh", "--from-menu", {}},
        {"action and text out", 1,
         [](D* d) { Choose(d->Action[2]); d->DataAEdit->SetValue("www.example.org"); },
         true, "OPENABSOLUTE", "www.example.org", "", {}},
        // clang-format on
    };
    for (const auto& c : stores) {
        SCOPED_TRACE(c.what);
        services.messages.clear();
        D dialog(frame, *project, c.index);
        EXPECT_EQ(EditAndOk(dialog, c.edit), c.closes);
        EXPECT_EQ(TextOf(s->HotSpotCommand[c.index]), c.command);
        EXPECT_EQ(TextOf(s->HotSpotCommandDataA[c.index]), c.dataA);
        EXPECT_EQ(TextOf(s->HotSpotCommandDataB[c.index]), c.dataB);
        EXPECT_EQ(services.messages, c.shown);
    }

    // The shared attributes, from any link's dialog.
    s->HotSpotFontSize = 0;
    D dialog(frame, *project, 1);
    EXPECT_EQ(Text(dialog.FontEdit), "20");
    EXPECT_TRUE(EditAndOk<D>(dialog, [](D* d) {
        d->LabelEdit->SetValue("Manual");
        d->XEdit->SetValue("12");
        d->YEdit->SetValue("345");
        d->TextColourEdit->SetValue("0x102030");
        d->HiliteEdit->SetValue("0xa0b0c0");
    }));
    EXPECT_EQ(TextOf(s->HotSpotText[1]), "Manual");
    EXPECT_EQ(s->HotSpotRect[1].left, 12);
    EXPECT_EQ(s->HotSpotRect[1].top, 345);
    EXPECT_EQ(s->HotSpotFontSize, -20);
    EXPECT_EQ((std::vector<int>{s->HotSpotTextColorR, s->HotSpotTextColorG, s->HotSpotTextColorB,
                                s->HotSpotTextHiliteColorR, s->HotSpotTextHiliteColorG,
                                s->HotSpotTextHiliteColorB}),
              (std::vector<int>{0x10, 0x20, 0x30, 0xa0, 0xb0, 0xc0}));
}

// A slot the file left without its entry ends the dialog before it shows.
TEST_F(DialogTest, CorruptSlotsEndAtOnce) {
    s->LogoBitmapName[0] = std::nullopt;
    s->HotSpotCommand[1] = std::string("JUMP");
    OnModal<wxDialog> none([](wxDialog* d) {
        ADD_FAILURE() << "a dialog showed";
        d->EndModal(wxID_CANCEL);
    });
    EXPECT_EQ(CLogoPropertiesDlg(frame, *project, 0).ShowModal(), wxID_CANCEL);
    EXPECT_EQ(CHyperlinkPropertiesDlg(frame, *project, 1).ShowModal(), wxID_CANCEL);
    EXPECT_EQ(services.messages, (Messages{"Corrupted project file!", "Corrupted project file!"}));
}

// Each dialog's "..." beside a file (the note, then the chooser), beside a
// colour (the full chooser on the field's colour) and its Help.
TEST_F(DialogTest, BrowseColourAndHelpButtons) {
    std::vector<std::string> topics;
    const HelpFunction help = [&](const std::string& t) { topics.push_back(t); };
    struct Case {
        const char* what;
        std::function<wxDialog*()> make;
        int browse, file;  // 0: none
        int colour, colourText;
        const char* topic;
    };
    const Case cases[] = {
        {"background", [&] { return new CBackgroundPropertiesDlg(frame, *project, help); }, 1003,
         1002, 1010, 1004, "_Background_Image"},
        {"audio intro", [&] { return new CAudioPropertiesDlg(frame, *project, help); }, 1012, 1011,
         0, 0, "_Audio"},
        {"audio hover", [&] { return new CAudioPropertiesDlg(frame, *project, help); }, 1014, 1013,
         0, 0, "_Audio"},
        {"logo", [&] { return new CLogoPropertiesDlg(frame, *project, 0, help); }, 1035, 1034, 1037,
         1036, "_Bitmaps_&_Logos"},
        {"link text", [&] { return new CHyperlinkPropertiesDlg(frame, *project, 0, help); }, 0, 0,
         1025, 1023, "_Hyper-Links"},
        {"link hilite", [&] { return new CHyperlinkPropertiesDlg(frame, *project, 0, help); }, 0, 0,
         1026, 1024, "_Hyper-Links"},
    };
    s->BackGroundBitmapName = "@@000000010a0b0c";
    const std::string guide =
        sandbox::ReadBytes(VELOMAR_SOURCE_DIR "/resources/VelomarForge User Guide.htm");
    const std::string chosen = temp.File("art/pic.bmp");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        services.messages.clear();
        topics.clear();
        std::unique_ptr<wxDialog> dialog(c.make());
        if (c.browse) {
            wxTEST_DIALOG(Press(dialog.get(), c.browse),
                          wxExpectModal<wxFileDialog>(wxString::FromUTF8(chosen)));
            auto* file = dynamic_cast<wxTextCtrl*>(dialog->FindWindow(c.file));
            EXPECT_EQ(Text(file), chosen);
            EXPECT_EQ(services.messages, Messages{RESOURCE_BROWSE_NOTE});
        }
        if (c.colour) {
            auto* text = dynamic_cast<wxTextCtrl*>(dialog->FindWindow(c.colourText));
            text->SetValue("0x0a0b0c");
            wxTEST_DIALOG(Press(dialog.get(), c.colour), Act<wxColourDialog>([](wxColourDialog* d) {
                              wxColourData& data = d->GetColourData();
                              EXPECT_TRUE(data.GetChooseFull());
                              EXPECT_EQ(data.GetColour(), wxColour(10, 11, 12));
                              PickInChooser(d, wxColour(0x12, 0x34, 0xab));
                              return wxID_OK;
                          }));
            EXPECT_EQ(Text(text), "0x1234ab");
            // Cancel changes nothing.
            wxTEST_DIALOG(Press(dialog.get(), c.colour),
                          Act<wxColourDialog>([](wxColourDialog*) { return wxID_CANCEL; }));
            EXPECT_EQ(Text(text), "0x1234ab");
        }
        Press(dialog.get(), 1045);
        EXPECT_EQ(topics, std::vector<std::string>{c.topic});
        // The guide has the place the button opens.
        std::string anchor = std::string("name=\"") + c.topic + "\"";
        for (auto at = anchor.find('&'); at != std::string::npos; at = anchor.find('&', at + 1))
            anchor.replace(at, 1, "&amp;");
        EXPECT_NE(guide.find(anchor), std::string::npos) << anchor;
    }
    // The link's own browse: no note, nothing copied, the path as chosen.
    services.messages.clear();
    CHyperlinkPropertiesDlg link(frame, *project, 2);
    EXPECT_FALSE(link.Browse->IsEnabled());
    Choose(link.Absolute);
    EXPECT_TRUE(link.Browse->IsEnabled());
    wxTEST_DIALOG(Press(&link, 1018), wxExpectModal<wxFileDialog>("/usr/bin/env"));
    EXPECT_EQ(Text(link.DataAEdit), "/usr/bin/env");
    EXPECT_TRUE(services.messages.empty());
}

}  // namespace
