// What the "Bitmaps & Logos" dialog shows and stores for one logo slot: the
// bitmap, its place, its mask colour and its slide-in animation.
#pragma once

#include <string>

class CInstallerWnd;
struct LaunchSettings;

// The user guide's topic of the dialog's Help button.
constexpr const char* LOGO_HELP_TOPIC = "_Bitmaps_&_Logos";

struct LogoForm {
    std::string bitmapPath;      // edit 1034: the full path of the file
    std::string x, y;            // edits 1021, 1022
    std::string maskColour;      // edit 1036, colour text
    bool animate = false;        // check box 1038
    std::string startX, startY;  // edits 1023, 1039
    std::string delay;           // edit 1040: the delay all animated logos share
    bool scale = false;          // check box 1041, never shown: ResizeLogo passes through

    // The animation fields (1023, 1039, 1040, 1041) follow "Animate Bitmap / Logo".
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
