// The property dialogs' own buttons on the open sample: resource browse with
// its note, the full colour chooser, Help. What the forms show and store is
// the core's; the whole way through the dialogs is editor_disc_tests.cpp.
#include <dlfcn.h>
#include <wx/button.h>
#include <wx/colordlg.h>
#include <wx/radiobut.h>
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

class DialogTest : public EditorTest {
  protected:
    void SetUp() override {
        EditorTest::SetUp();
        StartOnSample();
        project = frame->DemoWnd->GetInstallerWnd();
        s = project->Settings.get();
        fs::create_directories(temp.File("art"));
        fs::copy_file(temp.File("sample/res/disc.bmp"), temp.File("art/pic.bmp"));
    }

    CInstallerWnd* project = nullptr;
    LaunchSettings* s = nullptr;
};

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
        {"logo", [&] { return new CLogoPropertiesDlg(frame, *project, 0, help); }, 1035, 1034, 1037,
         1036, "_Bitmaps_&_Logos"},
        {"link text", [&] { return new CHyperlinkPropertiesDlg(frame, *project, 0, help); }, 0, 0,
         1025, 1023, "_Hyper-Links"},
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
