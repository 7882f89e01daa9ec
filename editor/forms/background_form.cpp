#include "editor/forms/background_form.h"

#include <cstdlib>

#include "editor/command_ids.h"
#include "editor/forms/colour_text.h"
#include "editor/forms/resource_import.h"
#include "engine/installer_wnd.h"
#include "platform/platform.h"

namespace {

void Show(const char* text) {
    platform::Current().services->ShowMessage(text, platform::MessageButtons::Ok);
}

// Characters 2 to 9 read as "%x" reads them; 0 when nothing can be read.
std::uint32_t StoredFlags(const std::string& value) {
    const std::string digits = value.substr(2, 8);
    return std::uint32_t(std::strtoul(digits.c_str(), nullptr, 16));
}

}  // namespace

std::uint32_t BackgroundFlagWord(bool dithered, int direction, int endColour) {
    using namespace background_flag;
    std::uint32_t flags = Colour;
    if (dithered) {
        flags |= endColour == BackgroundForm::DitherToWhite ? ToWhite : ToBlack;
        flags |= direction == BackgroundForm::DitherHoriz ? Horizontal : Vertical;
    }
    return flags;
}

std::string BackgroundColourValue(std::uint32_t flags, const std::string& colourText) {
    return "@@" + HexDigits(flags, 8) +
           colourText.substr(colourText.size() < 6 ? 0 : colourText.size() - 6);
}

void BackgroundForm::Load(const CInstallerWnd& project) {
    using namespace background_flag;
    DiscForm disc;
    disc.Load(project);
    title = disc.title, autoPlay = disc.autoPlay, iconPath = disc.iconPath;
    const std::string& value = TextOf(project.Settings->BackGroundBitmapName);
    if (value.compare(0, 2, "@@") != 0) {
        colourMode = false;
        bitmapPath = value.empty() ? "" : ProjectFilePath(project.ProjectFolder, value);
        return;
    }
    colourMode = true;
    const std::uint32_t flags = StoredFlags(value);
    if (!(flags & Colour)) {
        colourText.clear();
        return;
    }
    colourText = "0x" + value.substr(std::min<std::size_t>(value.size(), 10), 6);
    if (flags & (Horizontal | Vertical)) {
        dithered = true;
        direction = (flags & Horizontal) ? DitherHoriz : DitherVert;
        endColour = (flags & ToWhite) ? DitherToWhite : DitherToBlack;  // 0x10 is not looked at
    }
}

bool BackgroundForm::Store(CInstallerWnd& project) const {
    std::string value;
    if (!colourMode) {
        if (RefusedAsNotBmp(project.ProjectFolder, bitmapPath)) return false;
        if (!ImportResource(bitmapPath, project.ProjectFolder, &value)) {
            Show("Failed to access the specified bitmap file.\nPlease select another.");
            return false;
        }
    } else {
        if (!IsColourTextFormat(colourText)) {
            Show("Color must be in the format: 0xRRGGBB");
            return false;
        }
        value =
            BackgroundColourValue(BackgroundFlagWord(dithered, direction, endColour), colourText);
    }
    if (!Disc().Store(project)) return false;
    project.Settings->BackGroundBitmapName = value;
    return true;
}

FormFields<BackgroundForm> BackgroundFields() {
    using F = FormField<BackgroundForm>;
    using B = BackgroundForm;
    static constexpr F rows[] = {
        F::Radio(IDC_BG_BITMAP_MODE, &B::colourMode, false),
        F::Radio(IDC_BG_COLOUR_MODE, &B::colourMode, true),
        F::Edit(IDC_BG_BITMAP, FieldKind::Name, &B::bitmapPath, &B::BitmapEnabled),
        F::Button(IDC_BG_BROWSE, &B::BitmapEnabled),
        // Stored as typed, so read as the user's own text.
        F::Edit(IDC_BG_COLOUR, FieldKind::Name, &B::colourText, &B::ColourEnabled),
        F::Button(IDC_BG_CHOOSE, &B::ColourEnabled),
        F::Check(IDC_BG_DITHERED, &B::dithered, &B::ColourEnabled),
        F::Radio(IDC_BG_TO_WHITE, &B::endColour, B::DitherToWhite, &B::DitherChoicesEnabled),
        F::Radio(IDC_BG_TO_BLACK, &B::endColour, B::DitherToBlack, &B::DitherChoicesEnabled),
        F::Radio(IDC_BG_HORIZ, &B::direction, B::DitherHoriz, &B::DitherChoicesEnabled),
        F::Radio(IDC_BG_VERT, &B::direction, B::DitherVert, &B::DitherChoicesEnabled),
        F::Edit(IDC_DISC_TITLE, FieldKind::Name, &B::title),
        F::Check(IDC_DISC_AUTOPLAY, &B::autoPlay),
        F::Edit(IDC_DISC_ICON, FieldKind::Name, &B::iconPath, &B::IconEnabled),
        F::Button(IDC_DISC_ICON_BROWSE, &B::IconEnabled),
    };
    return {rows, sizeof rows / sizeof *rows};
}
