// What the "Audio Properties" dialog shows and stores: the startup sound and
// the sound played when the mouse enters a link, each empty or a res\ name.
#pragma once

#include <string>

#include "editor/forms/form_fields.h"

class CInstallerWnd;

// The user guide's topic of the dialog's Help button.
constexpr const char* AUDIO_HELP_TOPIC = "_Audio";

struct AudioForm {
    std::string introWave;
    std::string hoverWave;

    // The stored names as they are (relative, "res\..."), not full paths.
    void Load(const CInstallerWnd& project);

    // OK: an empty field removes that sound, any other is imported into res\.
    // Both are imported before either is stored, so a failure of the second
    // (after its message) leaves the record as it was and Cancel stays a cancel.
    bool Store(CInstallerWnd& project) const;
};

// The dialog's controls and the members they edit.
FormFields<AudioForm> AudioFields();
