#include "editor/forms/live_preview.h"

#include <cstdint>
#include <string>
#include <utility>

#include "editor/forms/background_form.h"
#include "editor/forms/colour_text.h"
#include "editor/forms/hyperlink_form.h"
#include "editor/forms/integer_field.h"
#include "editor/forms/logo_form.h"
#include "editor/forms/resource_import.h"
#include "engine/installer_wnd.h"
#include "platform/platform.h"

namespace {

bool IsSlot(int index, int max) { return index >= 0 && index < max; }

void SetIfInteger(const std::string& text, std::int32_t* target) {
    std::int32_t value = 0;
    if (ParseIntegerField(text, &value)) *target = value;
}

// Only a file already in the project: the preview never copies anything.
bool IsProjectPicture(const std::string& projectFolder, const std::string& field) {
    return IsResourceName(field) &&
           platform::Current().system->FileExists(FieldFilePath(projectFolder, field));
}

}  // namespace

void PreviewLink(const HyperlinkForm& form, CInstallerWnd& project, int index) {
    if (!IsSlot(index, MAX_HOTSPOTS)) return;
    LaunchSettings& s = *project.Settings;
    if (form.label.find_first_of("\r\n") == std::string::npos) s.HotSpotText[index] = form.label;
    SetIfInteger(form.x, &s.HotSpotRect[index].left);
    SetIfInteger(form.y, &s.HotSpotRect[index].top);
    std::int32_t size = 0;
    if (ParseIntegerField(form.fontSize, &size)) s.HotSpotFontSize = size > 0 ? -size : size;
    form.StoreColours(s);
}

void PreviewLogo(const LogoForm& form, CInstallerWnd& project, int index) {
    if (!IsSlot(index, MAX_LOGOS)) return;
    LaunchSettings& s = *project.Settings;
    if (IsProjectPicture(project.ProjectFolder, form.bitmapPath))
        s.LogoBitmapName[index] = form.bitmapPath;
    SetIfInteger(form.x, &s.LogoBitmapLocation[index].x);
    SetIfInteger(form.y, &s.LogoBitmapLocation[index].y);
    form.StoreMask(s, index);
}

void PreviewBackground(const BackgroundForm& form, CInstallerWnd& project) {
    OwnedString& value = project.Settings->BackGroundBitmapName;
    if (form.colourMode && IsColourTextFormat(form.colourText))
        value = BackgroundColourValue(
            BackgroundFlagWord(form.dithered, form.direction, form.endColour), form.colourText);
    else if (!form.colourMode && IsProjectPicture(project.ProjectFolder, form.bitmapPath))
        value = form.bitmapPath;
}

void LiveEdit::Preview(const std::function<void()>& write) {
    RecordSnapshot before = RecordSnapshot::Of(record_);
    write();
    RecordSnapshot after = RecordSnapshot::Of(record_);
    if (after == before) return;
    if (written_.empty()) {
        written_.assign(after.Values().size(), false);
        original_ = before;
        last_ = after;
    }
    for (std::size_t i = 0; i < written_.size(); ++i) {
        if (before.Values()[i] == after.Values()[i]) continue;
        if (!written_[i]) original_.Values()[i] = before.Values()[i];
        written_[i] = true;
        last_.Values()[i] = after.Values()[i];
    }
    show_();
}

bool LiveEdit::End(bool ok) {
    if (ok || written_.empty()) return ok;
    RecordSnapshot now = RecordSnapshot::Of(record_);
    bool changed = false;
    for (std::size_t i = 0; i < written_.size(); ++i) {
        if (!written_[i] || now.Values()[i] != last_.Values()[i]) continue;
        now.Values()[i] = original_.Values()[i];
        changed = true;
    }
    if (!changed) return ok;
    now.RestoreTo(record_);
    show_();
    return ok;
}
