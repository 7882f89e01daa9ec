#include "editor/preferences.h"

#include "platform/reg_settings.h"

namespace {

constexpr const char* kFrame = "Frame Layout";

const PreferenceKey kKeys[] = {
    {kFrame, "TopLeftX", 0}, {kFrame, "TopLeftY", 10},          {kFrame, "SizeX", 950},
    {kFrame, "SizeY", 600},  {"TreeView Layout", "SizeX", 250}, {"General", "ShowIntroWizard", 1},
};

constexpr int kMenuWidth = 640;
constexpr int kMenuHeight = 440;

int CentredOrigin(int area, int extent) { return area >= extent ? (area - extent) / 2 : 0; }

}  // namespace

const PreferenceKey& KeyOf(Preference preference) { return kKeys[int(preference)]; }

int ReadPreference(CRegSettings& store, Preference preference) {
    const PreferenceKey& key = KeyOf(preference);
    return int(store.GetInt(key.section, key.name, key.byDefault));
}

bool WritePreference(CRegSettings& store, Preference preference, int value) {
    const PreferenceKey& key = KeyOf(preference);
    return store.SetInt(key.section, key.name, std::uint32_t(value));
}

FrameLayout ReadFrameLayout(CRegSettings& store) {
    const int x = ReadPreference(store, Preference::FrameLeft);
    const int y = ReadPreference(store, Preference::FrameTop);
    return {{x, y, x + ReadPreference(store, Preference::FrameWidth),
             y + ReadPreference(store, Preference::FrameHeight)},
            ReadPreference(store, Preference::TreeWidth)};
}

void WriteFrameLayout(CRegSettings& store, const FrameLayout& layout) {
    const platform::Rect& r = layout.frame;
    WritePreference(store, Preference::FrameLeft, r.left);
    WritePreference(store, Preference::FrameTop, r.top);
    WritePreference(store, Preference::FrameWidth, r.right - r.left);
    WritePreference(store, Preference::FrameHeight, r.bottom - r.top);
    WritePreference(store, Preference::TreeWidth, layout.treeWidth);
}

platform::Rect PreviewPlace(int paneWidth, int paneHeight) {
    const int x = CentredOrigin(paneWidth, kMenuWidth), y = CentredOrigin(paneHeight, kMenuHeight);
    return {x, y, x + kMenuWidth, y + kMenuHeight};
}
