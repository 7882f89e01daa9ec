#include "editor/forms/audio_form.h"

#include "editor/command_ids.h"
#include "editor/forms/resource_import.h"
#include "engine/installer_wnd.h"
#include "platform/platform.h"

namespace {

bool ImportWave(const std::string& text, const std::string& projectFolder, const char* failure,
                std::string* name) {
    if (text.empty()) {
        name->clear();
        return true;
    }
    if (ImportResource(text, projectFolder, name)) return true;
    platform::Current().services->ShowMessage(failure, platform::MessageButtons::Ok);
    return false;
}

}  // namespace

void AudioForm::Load(const CInstallerWnd& project) {
    introWave = TextOf(project.Settings->StartupWaveFile);
    hoverWave = TextOf(project.Settings->HotSpotWaveFile);
}

bool AudioForm::Store(CInstallerWnd& project) const {
    std::string intro, hover;
    if (!ImportWave(introWave, project.ProjectFolder,
                    "Failed to access the specified Intro wav file.\nPlease select another.",
                    &intro) ||
        !ImportWave(hoverWave, project.ProjectFolder,
                    "Failed to access the specified Hyperlink wav file.\nPlease select another.",
                    &hover))
        return false;
    project.Settings->StartupWaveFile = intro;
    project.Settings->HotSpotWaveFile = hover;
    return true;
}

FormFields<AudioForm> AudioFields() {
    using F = FormField<AudioForm>;
    static constexpr F rows[] = {
        F::Edit(IDC_AUDIO_INTRO, FieldKind::Name, &AudioForm::introWave),
        F::Edit(IDC_AUDIO_HOVER, FieldKind::Name, &AudioForm::hoverWave),
    };
    return {rows, sizeof rows / sizeof *rows};
}
