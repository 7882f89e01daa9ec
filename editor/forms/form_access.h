// The four property forms by one set of calls, so a face handles their dialogs
// alike: the background's and the audio's forms ignore the slot.
#pragma once

#include "editor/forms/audio_form.h"
#include "editor/forms/background_form.h"
#include "editor/forms/hyperlink_form.h"
#include "editor/forms/live_preview.h"
#include "editor/forms/logo_form.h"

inline FormFields<BackgroundForm> FieldsOf(const BackgroundForm&) { return BackgroundFields(); }
inline FormFields<AudioForm> FieldsOf(const AudioForm&) { return AudioFields(); }
inline FormFields<LogoForm> FieldsOf(const LogoForm&) { return LogoFields(); }
inline FormFields<HyperlinkForm> FieldsOf(const HyperlinkForm&) { return HyperlinkFields(); }

// False (after its message) when the slot cannot be shown.
inline bool LoadForm(BackgroundForm& f, const CInstallerWnd& p, int) { return f.Load(p), true; }
inline bool LoadForm(AudioForm& f, const CInstallerWnd& p, int) { return f.Load(p), true; }
inline bool LoadForm(LogoForm& f, const CInstallerWnd& p, int slot) { return f.Load(p, slot); }
inline bool LoadForm(HyperlinkForm& f, const CInstallerWnd& p, int slot) { return f.Load(p, slot); }

inline bool StoreForm(const BackgroundForm& f, CInstallerWnd& p, int) { return f.Store(p); }
inline bool StoreForm(const AudioForm& f, CInstallerWnd& p, int) { return f.Store(p); }
inline bool StoreForm(const LogoForm& f, CInstallerWnd& p, int slot) { return f.Store(p, slot); }
inline bool StoreForm(const HyperlinkForm& f, CInstallerWnd& p, int slot) {
    return f.Store(p, slot);
}

// The audio pair has no live preview.
inline void PreviewForm(const AudioForm&, CInstallerWnd&, int) {}
inline void PreviewForm(const BackgroundForm& f, CInstallerWnd& p, int) { PreviewBackground(f, p); }
inline void PreviewForm(const LogoForm& f, CInstallerWnd& p, int slot) { PreviewLogo(f, p, slot); }
inline void PreviewForm(const HyperlinkForm& f, CInstallerWnd& p, int slot) {
    PreviewLink(f, p, slot);
}
