// How the editor's dialogs are laid out, as rows a face walks to make its
// widgets: boxes, rows, columns and grids of captions and controls by id, each
// container closed by End. The Linux editor builds its dialogs from these; the
// Windows one keeps its resource script.
#pragma once

#include <cstddef>

enum class Widget {
    Column,  // containers, each closed by End; width is the gap between children
    Row,
    Grid,  // id: the columns; every odd column grows
    Box,   // a captioned frame around a column
    End,
    Label,         // static text
    Heading,       // bold static text
    Caption,       // static text the dialog or its form sets, by id
    Edit,          // a one-line text field
    Button,        // a button the dialog handles
    FileButton,    // "...": the file chooser into field `target`, text is its filter
    ColourButton,  // the colour chooser on field `target`
    Swatch,        // the colour that field `target` names
    Radio,
    Check,
    Picture,  // a picture the dialog draws, width x height
    Ok,
    Cancel,
    Space,    // an empty grid cell, or a gap of `width` in a row
    Stretch,  // a gap that takes the room left over
};

// Flags of a dialog item.
enum : int {
    GROW = 1,               // takes the width (or in a row, the room) it is given
    GROUP = 2,              // a radio that starts a group
    EXACT_FIT = 4,          // a button just as wide as its text
    RIGHT_ALIGNED = 8,      // a caption
    HIDDEN = 16,            // a control kept only for its value
    BLANK_WHEN_EMPTY = 32,  // a colour chooser opens without a colour on an empty field
};

struct DialogItem {
    Widget widget;
    int id = 0;
    const char* text = "";
    int width = 0;  // 0: the control's own
    int height = 0;
    int target = 0;
    int flags = 0;
};

// A dialog's title and items, as a range.
struct DialogLayout {
    const char* title;
    const DialogItem* first;
    std::size_t count;
    const DialogItem* begin() const { return first; }
    const DialogItem* end() const { return first + count; }
};

DialogLayout BackgroundLayout();
DialogLayout AudioLayout();
DialogLayout LogoLayout();
DialogLayout HyperlinkLayout();
DialogLayout NewProjectLayout();
DialogLayout ProjectWizardLayout();
DialogLayout AboutLayout();

// The hyperlink dialog's action radios in LinkAction's order, from BrowseCd.
extern const int LINK_ACTION_IDS[5];

// The background preview shows the menu at a fifth; the logo preview fits a square.
constexpr int BACKGROUND_PREVIEW_WIDTH = 128, BACKGROUND_PREVIEW_HEIGHT = 88;
constexpr int LOGO_PREVIEW_SIZE = 96;

// About's version line: this, then the build's version.
constexpr const char* VERSION_CAPTION = "Software Version - ";

// The file and folder choosers' titles and filters ("name|pattern").
constexpr const char* PROJECT_FILE_FILTER = "Project Files|AppSetup.dat";
constexpr const char* PROJECT_CHOOSER_TITLE = "Open";
constexpr const char* PROJECT_CHOOSER_NAME = "AppSetup.dat";
constexpr const char* LOCATION_BROWSE_TITLE = "Select a Local Drive or Network Drive";
constexpr const char* ADD_TO_DISC_TITLE = "Add to Disc";
constexpr const char* DISC_IMAGE_TITLE = "Make Disc Image";
constexpr const char* DISC_IMAGE_FILTER = "Disc images (*.iso)|*.iso|All files|*";
constexpr const char* DISC_IMAGE_PROGRESS = "Writing the disc image...";
