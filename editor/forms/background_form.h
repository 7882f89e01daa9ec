// What the "Main Window Background Properties" dialog shows and stores: either
// a bitmap from res\ or a colour, plain or dithered towards white or black, and
// the disc's own settings. The faces move these members in and out of their
// controls through the rows.
#pragma once

#include <cstdint>
#include <string>

#include "editor/forms/disc_form.h"
#include "editor/forms/form_fields.h"
#include "engine/launch_settings.h"

class CInstallerWnd;

// The user guide's topic of the dialog's Help button.
constexpr const char* BACKGROUND_HELP_TOPIC = "_Background_Image";

struct BackgroundForm {
    enum Direction { DitherHoriz = 0, DitherVert = 1 };
    enum EndColour { DitherToWhite = 0, DitherToBlack = 1 };

    bool colourMode = false;  // "Specified Color" rather than "Bitmap / Image"
    std::string bitmapPath;
    std::string colourText;
    bool dithered = false;
    int direction = DitherVert;
    int endColour = DitherToBlack;
    // The disc's settings (DiscForm's members; the rows need them here).
    std::string title;
    bool autoPlay = false;
    std::string iconPath;

    // Enabling: the bitmap field and its "..." in bitmap mode; the colour field,
    // "Choose..." and "Dithered" in colour mode; the four dither radios only in
    // colour mode with "Dithered" checked.
    bool BitmapEnabled() const { return !colourMode; }
    bool ColourEnabled() const { return colourMode; }
    bool DitherChoicesEnabled() const { return colourMode && dithered; }
    bool IconEnabled() const { return autoPlay; }
    DiscForm Disc() const { return {title, autoPlay, iconPath}; }

    // Fills the members from the project's BackGroundBitmapName.
    void Load(const CInstallerWnd& project);

    // OK: imports the bitmap or checks the colour text, stores the disc's
    // settings, then replaces BackGroundBitmapName. False after its message,
    // with nothing stored.
    bool Store(CInstallerWnd& project) const;
};

// The dialog's controls and the members they edit.
FormFields<BackgroundForm> BackgroundFields();

// The flag word for the dither choices (always with the colour bit).
std::uint32_t BackgroundFlagWord(bool dithered, int direction, int endColour);

// "@@", the flag word as 8 lower-case hex digits, then the colour text's six
// characters as typed.
std::string BackgroundColourValue(std::uint32_t flags, const std::string& colourText);
