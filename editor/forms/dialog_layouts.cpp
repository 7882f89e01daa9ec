#include "editor/forms/dialog_layouts.h"

#include "editor/command_ids.h"
#include "editor/forms/disc_form.h"
#include "editor/forms/resource_import.h"

namespace {

using W = Widget;

constexpr DialogItem Container(Widget w, int gap, int flags = 0, int id = 0,
                               const char* text = "") {
    return {w, id, text, gap, 0, 0, flags};
}
constexpr DialogItem Column(int gap = 4, int flags = 0) { return Container(W::Column, gap, flags); }
constexpr DialogItem Row(int gap = 4, int flags = 0) { return Container(W::Row, gap, flags); }
constexpr DialogItem Grid(int columns, int gap, int flags = 0) {
    return Container(W::Grid, gap, flags, columns);
}
constexpr DialogItem Box(const char* caption, int flags = 0, int gap = 4) {
    return Container(W::Box, gap, flags, 0, caption);
}
constexpr DialogItem End() { return {W::End}; }
constexpr DialogItem Label(const char* text) { return {W::Label, 0, text}; }
constexpr DialogItem Heading(const char* text) { return {W::Heading, 0, text}; }
constexpr DialogItem Caption(int id, int width = 0, int flags = 0, const char* text = "") {
    return {W::Caption, id, text, width, 0, 0, flags};
}
constexpr DialogItem Edit(int id, int width = 0, int flags = 0) {
    return {W::Edit, id, "", width, 0, 0, flags};
}
constexpr DialogItem Button(int id, const char* text, int flags = 0) {
    return {W::Button, id, text, 0, 0, 0, flags};
}
constexpr DialogItem FileButton(int id, int field, const char* filter) {
    return {W::FileButton, id, filter, 0, 0, field, EXACT_FIT};
}
constexpr DialogItem ColourButton(int id, int field, const char* text = "...",
                                  int flags = EXACT_FIT) {
    return {W::ColourButton, id, text, 0, 0, field, flags};
}
constexpr DialogItem Swatch(int field) { return {W::Swatch, 0, "", 0, 0, field}; }
constexpr DialogItem Radio(int id, const char* text, int flags = 0) {
    return {W::Radio, id, text, 0, 0, 0, flags};
}
constexpr DialogItem Check(int id, const char* text, int flags = 0) {
    return {W::Check, id, text, 0, 0, 0, flags};
}
constexpr DialogItem Picture(int id, int width, int height) {
    return {W::Picture, id, "", width, height};
}
constexpr DialogItem Ok(const char* text = "OK") { return {W::Ok, 0, text}; }
constexpr DialogItem Cancel() { return {W::Cancel, 0, "Cancel"}; }
constexpr DialogItem Space(int width = 0) { return {W::Space, 0, "", width}; }
constexpr DialogItem Stretch() { return {W::Stretch}; }

template <std::size_t N>
DialogLayout Layout(const char* title, const DialogItem (&items)[N]) {
    return {title, items, N};
}

// OK, Cancel and Help at the right of a property dialog.
#define PROPERTY_BUTTONS Row(8), Stretch(), Ok(), Cancel(), Button(IDC_HELP_BUTTON, "Help"), End()

}  // namespace

// The tables keep their nesting as indentation.
// clang-format off
const int LINK_ACTION_IDS[5] = {IDC_LINK_BROWSE_CD, IDC_LINK_OPEN_FOLDER, IDC_LINK_WEB_SITE,
                                IDC_LINK_RUN, IDC_LINK_QUIT};

// The two mode radios are one group, so they share a parent: each heads its
// part of the dialog instead of sitting in a box of its own.
DialogLayout BackgroundLayout() {
    static constexpr DialogItem items[] = {
        Column(4),
          Heading("Select an Image for your background"),
          Row(0), Space(8), Radio(IDC_BG_BITMAP_MODE, "Bitmap / Image", GROUP), End(),
          Row(4, GROW), Space(24), Edit(IDC_BG_BITMAP, 320, GROW),
            FileButton(IDC_BG_BROWSE, IDC_BG_BITMAP, BITMAP_FILE_FILTER), End(),
        End(),
        Column(4),
          Heading("Select a custom Color for your background"),
          Row(0), Space(8), Radio(IDC_BG_COLOUR_MODE, "Specified Color"), End(),
          Row(4, GROW), Space(24), Edit(IDC_BG_COLOUR, 0, GROW),
            ColourButton(IDC_BG_CHOOSE, IDC_BG_COLOUR, "Choose...", BLANK_WHEN_EMPTY),
            Swatch(IDC_BG_COLOUR), End(),
        End(),
        Row(10),
          Box("Dither the color...", GROW),
            Check(IDC_BG_DITHERED, "Dithered"),
            Row(16),
              Column(4),
                Radio(IDC_BG_TO_WHITE, "Dither To White", GROUP),
                Radio(IDC_BG_TO_BLACK, "Dither To Black"),
              End(),
              Column(4),
                Radio(IDC_BG_HORIZ, "Dither Horiz", GROUP),
                Radio(IDC_BG_VERT, "Dither Vert"),
              End(),
            End(),
          End(),
          Picture(IDC_BG_PREVIEW, BACKGROUND_PREVIEW_WIDTH, BACKGROUND_PREVIEW_HEIGHT),
        End(),
        Box("The disc", GROW),
          Row(8, GROW), Label("Disc title:"), Edit(IDC_DISC_TITLE, 0, GROW), End(),
          Check(IDC_DISC_AUTOPLAY, "AutoPlay: Explorer shows the title and this icon"),
          Row(4, GROW), Label("Icon (.ico):"), Space(4), Edit(IDC_DISC_ICON, 0, GROW),
            FileButton(IDC_DISC_ICON_BROWSE, IDC_DISC_ICON, ICON_FILE_FILTER), End(),
        End(),
        PROPERTY_BUTTONS,
    };
    return Layout("Main Window Background Properties", items);
}

DialogLayout AudioLayout() {
    static constexpr DialogItem items[] = {
        Box("Intro Wave file"),
          Row(4, GROW), Edit(IDC_AUDIO_INTRO, 340, GROW),
            FileButton(IDC_AUDIO_INTRO_BROWSE, IDC_AUDIO_INTRO, WAVE_FILE_FILTER), End(),
        End(),
        Box("Hyperlink Mouse-Over Wave file"),
          Row(4, GROW), Edit(IDC_AUDIO_HOVER, 340, GROW),
            FileButton(IDC_AUDIO_HOVER_BROWSE, IDC_AUDIO_HOVER, WAVE_FILE_FILTER), End(),
        End(),
        PROPERTY_BUTTONS,
    };
    return Layout("Audio Properties", items);
}

// The "Scale" box is never shown: ResizeLogo passes through unseen.
DialogLayout LogoLayout() {
    static constexpr DialogItem items[] = {
        Box("Bitmap / Logo to Draw"),
          Grid(3, 6, GROW),
            Label("Bitmap / Logo To Draw:"), Edit(IDC_LOGO_BITMAP, 300, GROW),
            FileButton(IDC_LOGO_BROWSE, IDC_LOGO_BITMAP, BITMAP_FILE_FILTER),
            Label("X - Location:"), Edit(IDC_LOGO_X, 80), Space(),
            Label("Y - Location:"), Edit(IDC_LOGO_Y, 80), Space(),
            Label("Pixel Mask (transparent) Color:"),
            Row(4), Edit(IDC_LOGO_MASK, 80), ColourButton(IDC_LOGO_MASK_CHOOSE, IDC_LOGO_MASK),
              Swatch(IDC_LOGO_MASK), End(),
            Space(),
          End(),
        End(),
        Row(10),
          Box("Bitmap / Logo Animation Parameters", GROW),
            Check(IDC_LOGO_ANIMATE, "Animate Bitmap / Logo"),
            Grid(2, 6),
              Label("Animate Start X - Location:"), Edit(IDC_LOGO_START_X, 80),
              Label("Animate Start Y - Location:"), Edit(IDC_LOGO_START_Y, 80),
              Label("Animation Delay (ms):"), Edit(IDC_LOGO_DELAY, 80),
            End(),
            Check(IDC_LOGO_SCALE, "Scale Bitmap / Logo", HIDDEN),
          End(),
          Picture(IDC_LOGO_PREVIEW, LOGO_PREVIEW_SIZE, LOGO_PREVIEW_SIZE),
        End(),
        PROPERTY_BUTTONS,
    };
    return Layout("Bitmaps & Logos", items);
}

DialogLayout HyperlinkLayout() {
    static constexpr DialogItem items[] = {
        Row(10),
          Box("Action to Execute:"),
            Radio(IDC_LINK_BROWSE_CD, "Browse this CD", GROUP),
            Radio(IDC_LINK_OPEN_FOLDER, "Open a specified Folder"),
            Radio(IDC_LINK_WEB_SITE, "Goto WEB Site"),
            Radio(IDC_LINK_RUN, "Run specified program / Open a file"),
            Radio(IDC_LINK_QUIT, "Quit / Close this application"),
          End(),
          Box("Parameters:", GROW),
            Row(16),
              Radio(IDC_LINK_RELATIVE, "Path is Relative (to this CD)", GROUP),
              Radio(IDC_LINK_ABSOLUTE, "Path is Absolute"),
            End(),
            Grid(3, 6, GROW),
              Caption(IDC_LINK_DATA_A_CAPTION, 190, RIGHT_ALIGNED), Edit(IDC_LINK_DATA_A, 260, GROW),
              Row(4),
                Button(IDC_LINK_BROWSE, "...", EXACT_FIT),
                Button(IDC_LINK_ADD_TO_DISC, "Add to Disc...", EXACT_FIT),
              End(),
              Caption(IDC_LINK_DATA_B_CAPTION, 190, RIGHT_ALIGNED), Edit(IDC_LINK_DATA_B, 0, GROW),
              Space(),
            End(),
          End(),
        End(),
        Box("Attributes:"),
          Grid(4, 6),
            Label("Label:"), Edit(IDC_LINK_LABEL, 200),
            Label("Font Size:"), Edit(IDC_LINK_FONT_SIZE, 60),
            Label("X - Location:"), Edit(IDC_LINK_X, 60),
            Label("Y - Location:"), Edit(IDC_LINK_Y, 60),
            Label("Text Color:"),
            Row(4), Edit(IDC_LINK_TEXT_COLOUR, 90),
              ColourButton(IDC_LINK_TEXT_CHOOSE, IDC_LINK_TEXT_COLOUR),
              Swatch(IDC_LINK_TEXT_COLOUR), End(),
            Label("Mouse - Over Color:"),
            Row(4), Edit(IDC_LINK_HILITE_COLOUR, 90),
              ColourButton(IDC_LINK_HILITE_CHOOSE, IDC_LINK_HILITE_COLOUR),
              Swatch(IDC_LINK_HILITE_COLOUR), End(),
          End(),
        End(),
        PROPERTY_BUTTONS,
    };
    return Layout("Hyperlink Properties", items);
}

DialogLayout NewProjectLayout() {
    static constexpr DialogItem items[] = {
        Box("Select the name and location of your new project:", 0, 8),
          Grid(3, 8, GROW),
            Label("Project Name:"), Edit(IDC_PROJECT_NAME, 0, GROW), Space(),
            Label("Project Location:"), Edit(IDC_PROJECT_LOCATION, 380, GROW),
            Button(IDC_BROWSE_LOCATION, "Browse..."),
            Label("Project to be created:"), Caption(IDC_PROJECT_RESULT, 0, GROW, "Static"),
          End(),
        End(),
        Row(8), Ok("Create Project"), Cancel(), Stretch(), Button(IDC_HELP_BUTTON, "Help"), End(),
    };
    return Layout("Create a New Project", items);
}

DialogLayout ProjectWizardLayout() {
    static constexpr DialogItem items[] = {
        Row(20),
          Picture(IDC_WIZARD_PICTURE, 145, 343),
          Column(12, GROW),
            Box("Please Select Project Type:", GROW, 8),
              Radio(IDC_CHOICE_NEW, "Create a New Project", GROUP),
              Radio(IDC_CHOICE_OPEN, "Open an Existing Project"),
            End(),
            Check(IDC_SHOW_AT_STARTUP, "Show this window each time the application starts"),
            Stretch(),
            Row(8, GROW), Stretch(), Cancel(), Ok(), End(),
          End(),
        End(),
    };
    return Layout("Project Wizard", items);
}

DialogLayout AboutLayout() {
    static constexpr DialogItem items[] = {
        Row(24),
          Picture(IDC_ABOUT_ICON, 32, 32),
          Column(10, GROW),
            Caption(IDC_VERSION_TEXT, 220, 0, VERSION_CAPTION),
            Label("VelomarForge makes autorun menus for CD and DVD discs."),
          End(),
          Ok(),
        End(),
    };
    return Layout("About VelomarForge", items);
}
// clang-format on
