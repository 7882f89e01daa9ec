// What the editor keeps between runs, every key with its default in one table,
// and the place of the menu in the preview pane.
#pragma once

#include <cstdint>

#include "platform/types.h"

class CRegSettings;

// Below this key in the registry (or the per-user file on Linux).
constexpr const char* PREFERENCES_KEY = "Software\\Harlune\\VelomarForge\\";

enum class Preference { FrameLeft, FrameTop, FrameWidth, FrameHeight, TreeWidth, ShowWizard };

struct PreferenceKey {
    const char* section;
    const char* name;
    std::uint32_t byDefault;
};
const PreferenceKey& KeyOf(Preference preference);

// A missing value is stored with its default.
int ReadPreference(CRegSettings& store, Preference preference);
bool WritePreference(CRegSettings& store, Preference preference, int value);

// The frame's place and size and the tree pane's width, as stored; used as
// they are, even off screen.
struct FrameLayout {
    platform::Rect frame;  // left, top, right, bottom
    int treeWidth;
};
FrameLayout ReadFrameLayout(CRegSettings& store);
void WriteFrameLayout(CRegSettings& store, const FrameLayout& layout);

// The menu window in the preview pane: 640 x 440, centred while the pane is
// large enough, else at the edge and clipped.
platform::Rect PreviewPlace(int paneWidth, int paneHeight);
