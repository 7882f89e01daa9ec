#include "editor/forms/logo_form.h"

#include <cstdint>
#include <cstdio>

#include "editor/command_ids.h"
#include "editor/forms/colour_text.h"
#include "editor/forms/integer_field.h"
#include "editor/forms/resource_import.h"
#include "engine/installer_wnd.h"
#include "platform/platform.h"

namespace {

void Show(const char* text) {
    platform::Current().services->ShowMessage(text, platform::MessageButtons::Ok);
}

bool IsValidSlot(int index) { return index >= 0 && index < MAX_LOGOS; }

// Only a regular file can be a bitmap (a folder opens for reading on POSIX).
bool CanOpen(const std::string& path) {
    if (path.empty()) return false;
    std::FILE* file = platform::Current().system->OpenRegularFile(path);
    if (!file) return false;
    std::fclose(file);
    return true;
}

}  // namespace

bool LogoForm::Load(const CInstallerWnd& project, int index) {
    const LaunchSettings& s = *project.Settings;
    if (!IsValidSlot(index) || !s.LogoBitmapName[index]) {
        Show("Corrupted project file!");
        return false;
    }
    const std::string& name = *s.LogoBitmapName[index];
    bitmapPath = name.empty() ? "" : ProjectFilePath(project.ProjectFolder, name);
    x = std::to_string(s.LogoBitmapLocation[index].x);
    y = std::to_string(s.LogoBitmapLocation[index].y);
    maskColour = ColourText({s.LogoBitmapMaskColorR[index], s.LogoBitmapMaskColorG[index],
                             s.LogoBitmapMaskColorB[index]});
    animate = s.AnimateLogo[index] != 0;
    startX = std::to_string(animate ? s.LogoBitmapAnimateLocation[index].x : 0);
    startY = std::to_string(animate ? s.LogoBitmapAnimateLocation[index].y : 0);
    scale = animate && s.ResizeLogo[index] != 0;
    delay = std::to_string(s.LogoAnnimationDelay);
    return true;
}

bool LogoForm::Store(CInstallerWnd& project, int index) const {
    if (!IsValidSlot(index)) return false;
    std::int32_t nx = 0, ny = 0, sx = 0, sy = 0, ms = 0;
    if (!ReadIntegerFields({{x, &nx}, {y, &ny}, {startX, &sx}, {startY, &sy}, {delay, &ms}}))
        return false;
    if (!CanOpen(FieldFilePath(project.ProjectFolder, bitmapPath))) {
        Show(
            "Failed to open the specified Bitmap / Logo  file.\n\nPlease verify the file exists "
            "and is not in use by another application.");
        return false;
    }
    if (RefusedAsNotBmp(project.ProjectFolder, bitmapPath)) return false;
    std::string name;
    if (!ImportResource(bitmapPath, project.ProjectFolder, &name)) {
        Show("Failed to access the specified bitmap file.\nPlease select another.");
        return false;
    }

    LaunchSettings& s = *project.Settings;
    s.LogoBitmapName[index] = name;
    s.LogoBitmapLocation[index] = {nx, ny};
    StoreMask(s, index);
    s.AnimateLogo[index] = animate ? 1 : 0;
    s.LogoBitmapAnimateLocation[index] = {sx, sy};
    s.ResizeLogo[index] = scale ? 1 : 0;
    if (animate) s.LogoAnnimationDelay = ms;
    return true;
}

void LogoForm::StoreMask(LaunchSettings& s, int index) const {
    const ColourBytes mask = ReadColourText(maskColour);
    s.LogoBitmapMaskColorR[index] = mask.r;
    s.LogoBitmapMaskColorG[index] = mask.g;
    s.LogoBitmapMaskColorB[index] = mask.b;
}

FormFields<LogoForm> LogoFields() {
    using F = FormField<LogoForm>;
    using L = LogoForm;
    static constexpr F rows[] = {
        F::Edit(IDC_LOGO_BITMAP, FieldKind::Name, &L::bitmapPath),
        F::Edit(IDC_LOGO_X, FieldKind::Number, &L::x),
        F::Edit(IDC_LOGO_Y, FieldKind::Number, &L::y),
        F::Edit(IDC_LOGO_MASK, FieldKind::Colour, &L::maskColour),
        F::Check(IDC_LOGO_ANIMATE, &L::animate),
        F::Edit(IDC_LOGO_START_X, FieldKind::Number, &L::startX, &L::AnimationEnabled),
        F::Edit(IDC_LOGO_START_Y, FieldKind::Number, &L::startY, &L::AnimationEnabled),
        F::Edit(IDC_LOGO_DELAY, FieldKind::Number, &L::delay, &L::AnimationEnabled),
        F::Check(IDC_LOGO_SCALE, &L::scale, &L::AnimationEnabled),
    };
    return {rows, sizeof rows / sizeof *rows};
}
