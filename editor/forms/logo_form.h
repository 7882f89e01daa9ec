// What the "Bitmaps & Logos" dialog shows and stores for one logo slot: the
// bitmap, its place, its mask colour and its slide-in animation.
#pragma once

#include <string>

#include "editor/forms/form_fields.h"

class CInstallerWnd;
struct LaunchSettings;

// The user guide's topic of the dialog's Help button.
constexpr const char* LOGO_HELP_TOPIC = "_Bitmaps_&_Logos";

struct LogoForm {
    std::string bitmapPath;  // the full path of the file
    std::string x, y;
    std::string maskColour;  // colour text
    bool animate = false;
    std::string startX, startY;
    std::string delay;   // the delay all animated logos share
    bool scale = false;  // never shown: ResizeLogo passes through

    // The animation fields follow "Animate Bitmap / Logo".
    bool AnimationEnabled() const { return animate; }

    // False (after "Corrupted project file!") when the slot has no file name
    // entry at all; the dialog then ends at once.
    bool Load(const CInstallerWnd& project, int index);

    // OK: every number must be an integer and the bitmap must open and import;
    // otherwise its message is shown and nothing is stored. The shared delay is
    // stored only when the logo is animated, so editing a still logo never
    // changes the timing of the others.
    bool Store(CInstallerWnd& project, int index) const;

    // The mask colour of slot `index`; OK and the live preview both write it here.
    void StoreMask(LaunchSettings& s, int index) const;
};

// The dialog's controls and the members they edit.
FormFields<LogoForm> LogoFields();
