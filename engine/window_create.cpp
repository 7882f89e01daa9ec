// Creating the menu window: the native window, the background, the logos and
// the hotspot font.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "engine/installer_wnd.h"
#include "engine/picture_kind.h"
#include "engine/window_helpers.h"
#include "platform/platform.h"

using namespace window_detail;

namespace {

// The generated background is one pixel short of the window each way; paint
// stretches it over the client area anyway.
constexpr int kBackgroundWidth = 639;
constexpr int kBackgroundHeight = 439;

// Reads a field of the colour code the way "%x" does; 0 when no digit is there.
unsigned HexField(const std::string& code, std::size_t pos, std::size_t len) {
    if (pos >= code.size()) return 0;
    std::string field = code.substr(pos, len);
    return static_cast<unsigned>(std::strtoul(field.c_str(), nullptr, 16));
}

int CentredOrigin(int area, int extent) { return area >= extent ? (area - extent) / 2 : 0; }

// Paints the colour code's picture into the bitmap selected into dc.
void PaintColourBackground(platform::DC& dc, unsigned flags, std::uint8_t r, std::uint8_t g,
                           std::uint8_t b) {
    if (flags & (background_flag::Horizontal | background_flag::Vertical)) {
        platform::TriVertex from;
        from.red = std::uint16_t(r << 8);
        from.green = std::uint16_t(g << 8);
        from.blue = std::uint16_t(b << 8);
        platform::TriVertex to;
        to.x = kBackgroundWidth;
        to.y = kBackgroundHeight;
        // Light grey RGB(240, 240, 240), unless the dither ends in black.
        std::uint16_t end = (flags & background_flag::ToBlack) ? 0x0000 : 0xF000;
        to.red = to.green = to.blue = end;
        dc.GradientFill(from, to,
                        (flags & background_flag::Horizontal) ? platform::GradientMode::RectH
                                                              : platform::GradientMode::RectV);
    } else {
        dc.FillSolidRect({0, 0, kBackgroundWidth, kBackgroundHeight}, platform::Rgb(r, g, b));
    }
}

}  // namespace

bool CInstallerWnd::Create(std::uint32_t exStyle, std::uint32_t style, platform::Window* parent) {
    if (!LoadSettings()) return false;
    const platform::Platform& host = platform::Current();

    platform::WindowParams params;
    params.exStyle = exStyle;
    params.style = style;
    params.windowClass.classStyle =
        platform::cs::VRedraw | platform::cs::HRedraw | platform::cs::DblClks;
    params.title = "Installer Window";
    platform::Size area;
    if (parent) {
        platform::Rect client = parent->GetClientRect();
        area = {client.Width(), client.Height()};
    } else {
        area = host.windows->GetScreenSize();
    }
    params.x = CentredOrigin(area.cx, kWindowWidth);
    params.y = CentredOrigin(area.cy, kWindowHeight);
    params.width = kWindowWidth;
    params.height = kWindowHeight;
    params.parent = parent;
    TopLevel = (style & platform::ws::Child) ? 0 : 1;
    Wnd = host.windows->CreateHostWindow(params, this);
    if (!Wnd) return false;

    PictureLoader ownPictures;
    PictureLoader& pictures = Pictures ? *Pictures : ownPictures;
    pictures.BeginWindow();
    const bool loaded = PrepareBackground(pictures) && LoadLogos(pictures);
    pictures.EndWindow();
    if (!loaded) return false;

    HotSpotFont = host.graphics->CreateFontFor(HotSpotFontRequest(Settings->HotSpotFontSize));
    return HotSpotFont != nullptr;
}

platform::FontRequest HotSpotFontRequest(std::int32_t height) {
    platform::FontRequest font;
    font.height = height;
    font.weight = 600;
    font.italic = true;
    font.underline = true;
    font.strikeOut = false;
    font.charSet = 0;            // ANSI_CHARSET
    font.outPrecision = 2;       // OUT_CHARACTER_PRECIS
    font.clipPrecision = 1;      // CLIP_CHARACTER_PRECIS
    font.quality = 0;            // DEFAULT_QUALITY
    font.pitchAndFamily = 0x20;  // DEFAULT_PITCH | FF_SWISS
    font.faceName = nullptr;
    return font;
}

bool CInstallerWnd::LoadLogos(PictureLoader& pictures) {
    LaunchSettings& s = *Settings;
    for (unsigned i = 0; i < LogoCount(s); ++i) {
        const std::string& name = TextOf(s.LogoBitmapName[i]);
        const std::string path = ProjectFile(ProjectFolder, name);
        s.LogoBitmap[i] = pictures.Load(path);
        if (!s.LogoBitmap[i]) {
            const std::string why = platform::TraceWanted() ? NotBmpLine(path, name) : "";
            platform::Trace("Failed to load our LOGO bitmap %s!\n%s%s", name.c_str(), why.c_str(),
                            why.empty() ? "" : "\n");
            return false;
        }
        platform::BitmapInfo info;
        if (s.LogoBitmap[i]->GetInfo(&info)) {
            s.LogoWidth[i] = info.width;
            s.LogoHeight[i] = std::abs(info.height);
        }
    }
    return true;
}

bool CInstallerWnd::PrepareBackground(PictureLoader& pictures) {
    const platform::Platform& host = platform::Current();
    LaunchSettings& s = *Settings;
    const std::string& name = TextOf(s.BackGroundBitmapName);

    if (name.compare(0, 2, "@@") == 0) {
        unsigned flags = HexField(name, 2, 8);
        if (flags & background_flag::Colour) {
            auto r = std::uint8_t(HexField(name, 10, 2));
            auto g = std::uint8_t(HexField(name, 12, 2));
            auto b = std::uint8_t(HexField(name, 14, 2));
            platform::DC* windowDC = Wnd->GetDC();
            if (!windowDC) return false;
            std::unique_ptr<platform::DC> memDC = host.graphics->CreateCompatibleDC(windowDC);
            if (memDC) {
                s.BackgroundBitmap = host.graphics->CreateCompatibleBitmap(
                    windowDC, kBackgroundWidth, kBackgroundHeight);
                if (s.BackgroundBitmap) {
                    platform::Bitmap* old = memDC->SelectBitmap(s.BackgroundBitmap.get());
                    PaintColourBackground(*memDC, flags, r, g, b);
                    memDC->SelectBitmap(old);
                }
                memDC.reset();
            }
            Wnd->ReleaseDC(windowDC);
        }
    } else {
        s.BackgroundBitmap = pictures.Load(ProjectFile(ProjectFolder, name));
    }

    if (!s.BackgroundBitmap) {
        const bool named = name.compare(0, 2, "@@") != 0;
        const std::string why = named ? NotBmpLine(ProjectFile(ProjectFolder, name), name) : "";
        host.services->ShowMessage(
            "Failed to load our background bitmap!\n" + (why.empty() ? "" : why + "\n"),
            platform::MessageButtons::Ok);
        return false;
    }
    return true;
}

int CInstallerWnd::OnCreate() { return 0; }

// The native window is gone (closed, or destroyed with its parent): its timer
// and capture went with it, and a moving logo's surfaces serve no one now.
void CInstallerWnd::OnDestroy() {
    ReleaseAnnimationSurfaces();
    Settings->LogoAnnimation.TimerId = 0;
    HotSpotCaptured = 0;
}
