// CInstallerWnd: the menu window. It owns one LaunchSettings record with its
// project folder, the file operations on it, every bitmap and the font derived
// from it, and the logo animation. The runtime makes it its main window; the
// editor shows it as the preview.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "engine/launch_settings.h"
#include "engine/picture_loader.h"
#include "platform/graphics.h"
#include "platform/window.h"

class SettingsFile;    // the open AppSetup.dat being read (engine/settings_file.h)
class SettingsOutput;  // the file being written (engine/settings_output.h)

constexpr unsigned LOGO_TIMER_ID = 0x1234;

// The links' font at that height: semi-bold, italic, underlined, a sans face.
platform::FontRequest HotSpotFontRequest(std::int32_t height);

// The editor's arranging of the items. While a window has one, the pointer and
// the keys go to it instead of the links, and it draws over every paint; the
// runtime never has one.
class ItemArranger {
  public:
    virtual ~ItemArranger() = default;
    virtual void OnMouseMove(unsigned flags, platform::Point point) = 0;
    virtual void OnLButtonDown(unsigned flags, platform::Point point) = 0;
    virtual void OnLButtonUp(unsigned flags, platform::Point point) = 0;
    virtual void OnLButtonDblClk(unsigned flags, platform::Point point) = 0;
    virtual void OnKeyDown(unsigned virtualKey, unsigned flags) = 0;
    virtual void DrawOver(platform::DC& dc) = 0;
};
constexpr unsigned ANNIMATION_FRAMES = 40;
constexpr int ANNIMATION_GROW_PERCENT = 5;

class CInstallerWnd : public platform::WindowListener {
  public:
    explicit CInstallerWnd(const std::string& folder);
    ~CInstallerWnd() override;
    CInstallerWnd(const CInstallerWnd&) = delete;
    CInstallerWnd& operator=(const CInstallerWnd&) = delete;

    // The project file.
    bool LoadSettings();
    bool SaveSettings();
    void ClearSettings();
    void CreateDefaultSettings();
    // Writes the default project in place of any AppSetup.dat, in one rename.
    bool SaveDefaultSettings();

    // The window.
    bool Create(std::uint32_t exStyle, std::uint32_t style, platform::Window* parent);
    // The window half goes (timer, animation, native window, highlight); the
    // record stays, so Create can show it again.
    void DestroyWindow();
    void StartShow();
    void SetAnnimationDone(int flag);
    // Every logo at its end place at once: no timer, no moving logo, no lit link.
    void EndShow();

    // The items' boxes in client coordinates. A link not painted yet is
    // measured with the window's font; empty when that cannot be done.
    platform::Rect LinkBox(int index);
    platform::Rect LogoBox(int index) const;
    // The extent of a text in the links' font; false without a window or font.
    bool MeasureLinkText(const std::string& text, platform::Size* extent);

    // Transparent drawing: pixels of src that equal mask leave dst unchanged.
    // Scratch: src's (0, 0, w, h) may be changed, which saves a working copy.
    enum class Source { Keep, Scratch };
    static void DrawTransparent(int x, int y, int w, int h, platform::DC& src, platform::DC& dst,
                                platform::ColorRef mask, Source use = Source::Keep);
    // The same for src's (0, 0, sw, sh) stretched to (x, y, w, h): a resized
    // logo (or not, at the same size). False when its scratch bitmap could not be made.
    static bool DrawTransparentStretched(int x, int y, int w, int h, platform::DC& src, int sw,
                                         int sh, platform::DC& dst, platform::ColorRef mask);

    // Messages.
    int OnCreate() override;
    bool OnEraseBkgnd(platform::DC& dc) override;
    void OnPaint() override;
    void OnMouseMove(unsigned flags, platform::Point point) override;
    void OnLButtonDown(unsigned flags, platform::Point point) override;
    void OnLButtonUp(unsigned flags, platform::Point point) override;
    void OnLButtonDblClk(unsigned flags, platform::Point point) override;
    void OnRButtonDown(unsigned flags, platform::Point point) override;
    void OnKeyDown(unsigned virtualKey, unsigned flags) override;
    void OnTimer(unsigned id) override;
    void OnDestroy() override;
    std::string AccessibleName() override;
    int AccessibleLinkCount() override;
    bool AccessibleLink(int index, std::string* text, platform::Rect* box) override;
    int AccessibleFocus() override;
    void AccessibleDoDefault(int index) override;

    // Fields.
    std::unique_ptr<LaunchSettings> Settings;  // never null
    std::string ProjectFolder;                 // ends in the platform's separator
    int SettingsLoaded = 0;
    int AnnimationDone = 0;
    int HotSpotCaptured = 0;
    std::int32_t EncryptionType = 1;
    std::unique_ptr<platform::Font> HotSpotFont;
    int HoverHotSpot = 0;  // 1-based, 0 for none; the one highlight of mouse and keyboard
    int LastHotSpot = 0;   // the link lit last, so keys move on from where the mouse was
    int HotSpotByKey = 0;  // the highlight was set by a key, not by the pointer over it
    int TopLevel = 0;      // not a child window: Escape closes it
    std::int32_t SettingsVersion = 0;
    std::unique_ptr<platform::Window> Wnd;  // the native window, null before Create
    PictureLoader* Pictures = nullptr;      // not owned; null: Create loads them afresh
    ItemArranger* Arranger = nullptr;       // not owned; the editor's, while arranging

  private:
    // Reader helpers.
    bool FindSection(SettingsFile& file, const std::string& section);
    bool FindKeyLine(SettingsFile& file, const std::string& section, const std::string& key,
                     std::string* line);
    bool ReadStringValue(SettingsFile& file, const std::string& section, const std::string& key,
                         std::string* value);
    bool ReadIntValue(SettingsFile& file, const std::string& section, const std::string& key,
                      std::int32_t* value);
    // Writer helper.
    bool WriteSettingsLine(SettingsOutput& file, const std::string& text);

    // Window helpers.
    bool PrepareBackground(PictureLoader& pictures);
    bool LoadLogos(PictureLoader& pictures);
    bool InitAnnimateSequence(unsigned frames, int percent);
    void DrawAnnimateFrame();
    void ReleaseAnnimationSurfaces();
    void DrawMovementSoFar(platform::DC& dc, const platform::Rect& client);
    void DrawHotSpots(platform::DC& dc, int index);
    void MoveHighlight(platform::DC& dc, int from, int to);
    void StepHighlight(int direction);
    void RunHotSpot(int index);
};
