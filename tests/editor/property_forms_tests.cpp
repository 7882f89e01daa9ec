// The property dialogs without widgets: what each form shows (load) and OK writes (store), the
// messages that keep a dialog open with nothing stored, the live preview and "Add to Disc...".
#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdio.h>

#include <algorithm>
#include <atomic>
#include <set>
#include <thread>

#include "../support/project_sandbox.h"
#include "editor/command_ids.h"
#include "editor/editor_face.h"
#include "editor/forms/add_to_disc.h"
#include "editor/forms/audio_form.h"
#include "editor/forms/background_form.h"
#include "editor/forms/hyperlink_form.h"
#include "editor/forms/icon_file.h"
#include "editor/forms/live_preview.h"
#include "editor/forms/logo_form.h"
#include "editor/windows_disc_name.h"

namespace {

using namespace sandbox;

const std::string kInteger = "Please enter an integer.", kCorrupt = "Corrupted project file!";

std::string OnOff(bool on, const char* name) { return on ? std::string(" ") + name : ""; }

// One line per form, so a table row states everything a dialog would show.
std::string Shown(const BackgroundForm& f) {
    if (!f.colourMode) return "bitmap [" + f.bitmapPath + "]";
    return "colour [" + f.colourText + "]" + OnOff(f.dithered, "dithered") +
           (f.direction == BackgroundForm::DitherHoriz ? " horiz" : " vert") +
           (f.endColour == BackgroundForm::DitherToWhite ? " white" : " black") +
           OnOff(f.DitherChoicesEnabled(), "radios");
}
std::string Shown(const LogoForm& f) {
    return "[" + f.bitmapPath + "] " + f.x + "," + f.y + " " + f.maskColour +
           OnOff(f.animate, "animate") + " from " + f.startX + "," + f.startY + " delay " +
           f.delay + OnOff(f.scale, "scale");
}
std::string Shown(const HyperlinkForm& f) {
    const char* actions[] = {"none", "cd", "folder", "web", "run", "quit"};
    return std::string(actions[int(f.action)]) + (f.absolute ? " abs" : " rel") +
           OnOff(f.pathKindEnabled, "kinds") + OnOff(f.browseEnabled, "browse") + " A" +
           (f.dataAEnabled ? "" : "-") + "[" + f.dataA + "] B" + (f.dataBEnabled ? "" : "-") + "[" +
           f.dataB + "]";
}

template <class Form, class Change>
Form Changed(const Form& base, Change change) {
    Form f = base;
    change(f);
    return f;
}

class Forms : public ::testing::Test {
  protected:
    Forms() {
        fs::create_directory(box.folder.File("res"));
        WriteBytes(box.folder.File("res/logo.bmp"), "BM in project");
        WriteBytes(outside.File("new.bmp"), "BM from outside");
        WriteBytes(png, "\x89PNG\r\n");
        WriteBytes(outside.File("intro.wav"), "sound");
    }
    LaunchSettings& S() { return *project->Settings; }
    const Messages& Said() const { return box.services.messages; }

    ProjectSandbox box;
    TempFolder outside;
    const std::string png = outside.File("photo.bmp");  // a PNG by its bytes
    const std::string notBmp = png + " is not a BMP picture (it is a PNG): only BMP pictures " +
                               "work.\nPlease select another.";
    std::unique_ptr<CInstallerWnd> project = box.NewProject();
};

// An icon file: `count` in its header, then (size, offset) per image, cut to `length` bytes.
std::string Icon(int count, std::vector<std::pair<int, int>> images, std::size_t length) {
    std::string b(6 + 16 * images.size() + length, '\0');
    b[2] = 1, b[4] = char(count);
    for (std::size_t i = 0; i < 8 * images.size(); ++i)  // size, then offset
        b[14 + i / 8 * 16 + i % 8] =
            char((i % 8 < 4 ? images[i / 8].first : images[i / 8].second) >> 8 * (i % 4));
    return b.substr(0, length);
}

TEST_F(Forms, BackgroundAndDiscLoadAndStore) {
    const std::pair<std::string, std::string> cases[] = {
        {"@@0000000d0000ff", "colour [0x0000ff] dithered vert white radios"},
        {"@@000000130000ff", "colour [0x0000ff] dithered horiz black radios"},
        {"@@00000001abCDef", "colour [0xabCDef] vert black"},
        {"@@00000000123456", "colour [] vert black"},  // no colour bit: no colour text
        {"@@0000000b12", "colour [0x12] dithered horiz white radios"},
        {"@@", "colour [] vert black"},
        {"res\\logo.bmp", "bitmap [" + box.folder.File("res/logo.bmp") + "]"},
    };
    for (const auto& [stored, shown] : cases) {
        S().BackGroundBitmapName = stored;
        BackgroundForm form;
        form.Load(*project);
        EXPECT_EQ(Shown(form), shown) << stored;
    }

    const Messages badColour = {"Color must be in the format: 0xRRGGBB"};
    // Colour mode with the text, or a picture when `colour` is false.
    auto form = [](std::string text, bool colour = true, bool dithered = false, int direction = 0,
                   int end = 0) {
        BackgroundForm f;
        f.colourMode = colour;
        (colour ? f.colourText : f.bitmapPath) = std::move(text);
        f.dithered = dithered;
        f.direction = direction;
        f.endColour = end;
        return f;
    };
    const struct {
        BackgroundForm form;
        std::string stored;  // "": refused, the old value stays
        Messages messages;
    } stores[] = {
        {form("0x0000ff", true, true, 1), "@@0000000d0000ff", {}},
        {form("0x0000ff", true, true, 0), "@@0000000b0000ff", {}},
        {form("0xzz0000", true, true, 0, 1), "@@00000013zz0000", {}},
        {form("0xFF0000"), "@@00000001FF0000", {}},
        {form("0X00FF00"), "", badColour},
        {form("0x00ff000"), "", badColour},
        {form("0x00\nff0"), "", badColour},
        {form(box.folder.File("res/logo.bmp"), false), "res\\logo.bmp", {}},
        {form(outside.File("new.bmp"), false), "res\\new.bmp", {}},
        {form(png, false), "", {notBmp}},
        {form("", false),
         "",
         {"Failed to open the specified file:\n",
          "Failed to access the specified bitmap file.\nPlease select another."}},
    };
    for (const auto& c : stores) {
        S().BackGroundBitmapName = "old";
        box.services.messages.clear();
        EXPECT_EQ(c.form.Store(*project), !c.stored.empty()) << c.form.colourText;
        EXPECT_EQ(TextOf(S().BackGroundBitmapName), c.stored.empty() ? "old" : c.stored);
        EXPECT_EQ(Said(), c.messages) << c.form.colourText;
    }

    // The title and the icon as the disc gets them; a bad icon or title keeps the dialog open
    // with nothing stored. Off, the icon in place is kept unread.
    const std::string ico = outside.File("disc.ico"), bad = ico + " is not an icon file (.ico): ";
    const std::pair<std::string, std::string> icons[] = {
        // disc.ico ("-": none), message
        {Icon(2, {{40, 38}, {10, 78}}, 88), ""},
        {"BM not an icon at all", bad + "it does not begin as one."},
        {Icon(0, {}, 6), bad + "it holds no image."},
        {Icon(2, {{4, 22}}, 30), bad + "its list of images is cut short."},
        {Icon(1, {{10, 22}}, 31), bad + "image 1 lies outside the file."},
        {Icon(2, {{4, 38}, {4, 0}}, 60), bad + "image 2 lies outside the file."},
        {Icon(1, {{0, 22}}, 40), bad + "image 1 lies outside the file."},
        {Icon(1, {{10, 22}}, kMaxIconBytes + 1), bad + "it is larger than 1 MiB."},
        {"-", "Failed to access the specified icon file.\nPlease select another."},
    };
    BackgroundForm disc;
    S().BackGroundBitmapName = "@@0000000d0000ff";
    disc.Load(*project);
    disc.autoPlay = true, disc.iconPath = ico;
    for (const auto& [bytes, message] : icons) {
        fs::remove(ico);
        if (bytes != "-") WriteBytes(ico, bytes);
        box.services.messages.clear();
        disc.title = "Smith " + message.substr(0, 4);  // only the first row's is stored
        EXPECT_EQ(disc.Store(*project), message.empty()) << message;
        EXPECT_EQ(TextOf(S().AutoPlayIcon) + "|" + TextOf(S().WindowTitle), "res\\disc.ico|Smith ");
        EXPECT_EQ(Said(), message.empty() ? Messages{} : Messages{message});
    }
    disc.iconPath = outside.File("a,b.ico");
    EXPECT_FALSE(disc.Store(*project));
    EXPECT_EQ(Said().back(), "a,b.ico: an icon's name cannot hold a comma.\nPlease rename the file.");
    WriteBytes(box.folder.File("res/disc.ico"), "broken since");
    disc.iconPath = box.folder.File("res/disc.ico"), disc.autoPlay = false;
    EXPECT_TRUE(disc.Store(*project));
    EXPECT_EQ(TextOf(S().AutoPlayIcon) + std::to_string(S().AutoPlay), "res\\disc.ico0");
    disc.title = "Smith\r\nlabel=x";
    EXPECT_FALSE(disc.Store(*project));
    EXPECT_EQ(Said().back(), "A disc title cannot hold line breaks or other control characters.");
}

TEST_F(Forms, AudioStoresBothOrNothing) {
    S().StartupWaveFile = "res\\old.wav";
    AudioForm form;
    form.Load(*project);
    form.introWave = outside.File("intro.wav");
    form.hoverWave = "/no/such/hover.wav";
    EXPECT_FALSE(form.Store(*project));
    EXPECT_EQ(Said(), (Messages{"Failed to open the specified file:\n/no/such/hover.wav",
                                "Failed to access the specified Hyperlink wav file.\nPlease "
                                "select another."}));
    EXPECT_EQ(TextOf(S().StartupWaveFile), "res\\old.wav");
    form.hoverWave = "";  // a cleared field removes the sound
    EXPECT_TRUE(form.Store(*project));
    EXPECT_EQ(TextOf(S().StartupWaveFile) + "|" + TextOf(S().HotSpotWaveFile), "res\\intro.wav|");
}

TEST_F(Forms, LogoLoadAndStore) {
    FillLargestRecord(S());
    S().LogoBitmapName[0] = "res\\logo.bmp";
    S().ResizeLogo[0] = 1;
    S().AnimateLogo[1] = 0;         // a still logo shows no start, but the shared delay
    S().LogoBitmapName[2].reset();  // no name entry at all
    LogoForm animated, still, corrupt;
    ASSERT_TRUE(animated.Load(*project, 0));
    ASSERT_TRUE(still.Load(*project, 1));
    EXPECT_EQ(Shown(animated), "[" + box.folder.File("res/logo.bmp") +
                                   "] 0,0 0xff00ff animate from -200,400 delay 20 scale");
    EXPECT_EQ(Shown(still), "[" + box.folder.File("res/logo number 2.bmp") +
                                "] 20,10 0xff00ff from 0,0 delay 20");
    for (LogoForm f : {animated, still}) {
        LogoForm to;  // the controls, by their rows, filled from f and read back
        for (const auto& row : LogoFields()) {
            row.TakeChecked(to, row.Checked(f));
            if (row.Text(to)) *row.Text(to) = *row.Text(f);
        }
        EXPECT_EQ(Shown(to), Shown(f)) << "each control its field";
    }
    EXPECT_FALSE(corrupt.Load(*project, 2) || corrupt.Load(*project, MAX_LOGOS));
    EXPECT_EQ(Said(), (Messages{kCorrupt, kCorrupt}));

    // The hidden "Scale Bitmap / Logo" passes ResizeLogo through unchanged.
    ASSERT_TRUE(animated.Store(*project, 0));
    EXPECT_EQ(S().ResizeLogo[0], 1);

    const Messages cannotOpen = {
        "Failed to open the specified Bitmap / Logo  file.\n\nPlease verify the file exists and is "
        "not in use by another application."};
    // The picture, x, y, mask colour, animated or not, start x and y, delay.
    const LogoForm base{
        box.folder.File("res/logo.bmp"), "12", " -3 ", "0x00ff00", false, "640", "26", "40"};
    auto with = [&](auto change) { return Changed(base, change); };
    const struct {
        LogoForm form;
        std::string name;  // "": refused, nothing stored
        Messages messages;
        int delayAfter;
    } stores[] = {
        {base, "res\\logo.bmp", {}, 15},  // a still logo leaves the shared delay alone
        {with([](LogoForm& f) { f.animate = true; }), "res\\logo.bmp", {}, 40},
        {with([](LogoForm& f) { f.x = "12px"; }), "", {kInteger}, 15},
        {with([](LogoForm& f) { f.delay = "", f.animate = true; }), "", {kInteger}, 15},
        {with([](LogoForm& f) { f.startY = "2147483648"; }), "", {kInteger}, 15},
        {with([](LogoForm& f) { f.bitmapPath = ""; }), "", cannotOpen, 15},
        {with([&](LogoForm& f) { f.bitmapPath = png; }), "", {notBmp}, 15},
    };
    for (const auto& c : stores) {
        S().LogoBitmapName[3] = "res\\before.bmp";
        S().LogoBitmapLocation[3] = {1, 1};
        S().LogoAnnimationDelay = 15;
        box.services.messages.clear();
        const bool ok = !c.name.empty();
        EXPECT_EQ(c.form.Store(*project, 3), ok) << c.form.bitmapPath << " " << c.form.x;
        EXPECT_EQ(Said(), c.messages) << c.form.bitmapPath;
        EXPECT_EQ(S().LogoAnnimationDelay, c.delayAfter) << c.form.bitmapPath;
        EXPECT_EQ(TextOf(S().LogoBitmapName[3]), ok ? c.name : "res\\before.bmp");
        LogoForm stored;
        ASSERT_TRUE(stored.Load(*project, 3));
        EXPECT_EQ(stored.x + "," + stored.y, ok ? "12,-3" : "1,1");
        if (ok) EXPECT_EQ(S().LogoBitmapAnimateLocation[3], (platform::Point{640, 26}));
        if (ok) EXPECT_EQ(stored.maskColour, "0x00ff00");
    }
}

TEST_F(Forms, LinkLoadAndStore) {
    const std::pair<std::string, std::string> cases[] = {
        {"RUN setup.exe", "run rel kinds A[setup.exe] B[/q]"},
        {"RUNABSOLUTE C:\\x.exe", "run abs kinds browse A[C:\\x.exe] B[/q]"},
        {"OPEN ", "cd rel A-[] B-[/q]"},
        {"OPEN docs", "folder rel kinds A[docs] B-[/q]"},
        {"OPENABSOLUTE wWw.example.org", "web abs A[wWw.example.org] B-[/q]"},
        {"OPENABSOLUTE Ftp:\\\\x", "web abs A[Ftp:\\\\x] B-[/q]"},
        {"OPENABSOLUTE http:/x", "folder abs kinds browse A[http:/x] B-[/q]"},
        {"OPENABSOLUTE C:\\Setup", "folder abs kinds browse A[C:\\Setup] B-[/q]"},
        {"QUIT left over", "quit rel A-[] B-[]"},
    };
    S().HotSpotTextColorR = 255;
    S().HotSpotTextHiliteColorB = 0x10;
    S().HotSpotText[2] = "Install";
    S().HotSpotRect[2] = {5, 6, 0, 0};
    S().HotSpotCommandDataB[2] = "/q";
    for (const auto& [stored, shown] : cases) {
        const std::size_t space = stored.find(' ');
        S().HotSpotCommand[2] = stored.substr(0, space);
        S().HotSpotCommandDataA[2] = stored.substr(space + 1);
        HyperlinkForm form;
        ASSERT_TRUE(form.Load(*project, 2)) << stored;
        EXPECT_EQ(Shown(form), shown);
    }

    for (const auto& [stored, shown] :
         {std::pair(0, "20"), {-24, "24"}, {INT32_MIN, "2147483648"}}) {
        S().HotSpotFontSize = stored;
        HyperlinkForm form;
        ASSERT_TRUE(form.Load(*project, 2));
        EXPECT_EQ(form.label + " " + form.x + "," + form.y + " " + form.textColour + " " +
                      form.hiliteColour + " " + form.fontSize,
                  "Install 5,6 0xff0000 0x000010 " + std::string(shown));
    }

    S().HotSpotCommand[1] = "run";  // keywords are exact
    HyperlinkForm form;
    EXPECT_FALSE(form.Load(*project, 1) || form.Load(*project, 3));  // 3: no command entry
    EXPECT_EQ(Said(), (Messages{kCorrupt, kCorrupt}));

    HyperlinkForm base;
    base.ClickAction(LinkAction::RunProgram);
    base.dataA = "setup.exe";
    base.dataB = "/quiet";
    base.label = "Install";
    base.x = "40";
    base.y = "100";
    base.textColour = "0xffffff";
    base.hiliteColour = "zz00ff00";  // read from position 2 without a check
    base.fontSize = "16";
    auto with = [&](auto change) { return Changed(base, change); };
    const Messages runEmpty = {
        "Please enter a program to run or file to open in the 'Executable name / path' edit cell."};
    const Messages oneLine = {
        "A hyperlink's label, path and parameters must each be one line of text."};
    using A = LinkAction;
    const struct {
        HyperlinkForm form;
        std::string stored;  // "": refused, nothing stored
        Messages messages;
    } stores[] = {
        {base, "RUN setup.exe /quiet -16", {}},
        {with([](auto& f) { f.Click(IDC_LINK_ABSOLUTE); }), "RUNABSOLUTE setup.exe /quiet -16", {}},
        {with([](auto& f) { f.Click(IDC_LINK_QUIT), f.dataA = "x"; }), "QUIT   -16", {}},
        {with([](auto& f) { f.Click(IDC_LINK_OPEN_FOLDER); }), "OPEN   -16", {}},
        {with([](auto& f) { f.Click(IDC_LINK_BROWSE_CD), f.Click(IDC_LINK_X); }), "OPEN   -16", {}},
        {with([](auto& f) { f.Click(IDC_LINK_WEB_SITE); }),
         "OPENABSOLUTE " + std::string(DEFAULT_WEB_ADDRESS) + "  -16",
         {}},
        {with([](auto& f) { f.action = A::None; }), "QUIT   -16", {}},
        {with([](auto& f) { f.fontSize = "-24"; }), "RUN setup.exe /quiet -24", {}},
        {with([](auto& f) { f.dataA = ""; }), "", runEmpty},
        {with([](auto& f) { f.ClickPathKind(true), f.dataA = ""; }), "", runEmpty},
        {with([](auto& f) { f.fontSize = "big"; }), "", {kInteger}},
        {with([](auto& f) { f.label = "two\nlines"; }), "", oneLine},
        {with([](auto& f) { f.dataB = "/a\n/b"; }), "", oneLine},
    };
    for (const auto& c : stores) {
        S().HotSpotCommand[4] = "OPEN";
        S().HotSpotCommandDataA[4] = S().HotSpotCommandDataB[4] = S().HotSpotText[4] = "old";
        S().HotSpotFontSize = -9;
        box.services.messages.clear();
        EXPECT_EQ(c.form.Store(*project, 4), !c.stored.empty()) << c.stored;
        EXPECT_EQ(Said(), c.messages) << c.stored;
        EXPECT_EQ(TextOf(S().HotSpotCommand[4]) + " " + TextOf(S().HotSpotCommandDataA[4]) + " " +
                      TextOf(S().HotSpotCommandDataB[4]) + " " +
                      std::to_string(S().HotSpotFontSize) + " " + TextOf(S().HotSpotText[4]),
                  c.stored.empty() ? "OPEN old old -9 old" : c.stored + " Install");
    }
    EXPECT_EQ(S().HotSpotRect[4], (platform::Rect{40, 100, 0, 0}));
    EXPECT_TRUE(HyperlinkForm::IsRadio(IDC_LINK_QUIT) && HyperlinkForm::IsRadio(IDC_LINK_RELATIVE) &&
                !HyperlinkForm::IsRadio(IDC_LINK_BROWSE));
    EXPECT_EQ(platform::Rgb(S().HotSpotTextColorR, S().HotSpotTextHiliteColorG,
                            S().HotSpotTextHiliteColorB),
              platform::Rgb(255, 255, 0));
}

// An open dialog's fields go into the record as OK would take them, but not a
// half-typed number, a picture from outside the project or the action; Cancel
// takes back what the previews wrote, and only that.
TEST_F(Forms, LivePreviewAndCancel) {
    FillLargestRecord(S());
    int shows = 0;
    LiveEdit live(S(), [&] { ++shows; });
    HyperlinkForm link;
    ASSERT_TRUE(link.Load(*project, 2));
    link.textColour = "0x102030";
    link.ClickAction(LinkAction::Quit);
    link.fontSize = "18";
    for (const char* x : {"300", "301", "3x"}) {
        link.x = x;
        live.Preview([&] { PreviewLink(link, *project, 2); });
    }
    LogoForm logo;
    ASSERT_TRUE(logo.Load(*project, 1));
    logo.bitmapPath = outside.File("new.bmp");
    live.Preview([&] { PreviewLogo(logo, *project, 1); });
    BackgroundForm background;
    background.Load(*project);
    background.colourMode = true;
    background.colourText = "0xff00";
    live.Preview([&] { PreviewBackground(background, *project); });
    logo.bitmapPath = "res\\logo.bmp";
    live.Preview([&] { PreviewLogo(logo, *project, 1); });
    auto shown = [&] {
        return TextOf(S().HotSpotCommand[2]) + " " + std::to_string(S().HotSpotRect[2].left) + " " +
               std::to_string(S().HotSpotTextColorG) + " " + TextOf(S().LogoBitmapName[1]) + " " +
               std::to_string(S().NumberOfLogosToDraw) + " " + std::to_string(S().HotSpotFontSize);
    };
    EXPECT_EQ(shown(), "RUN 301 32 res\\logo.bmp 15 -18");
    EXPECT_EQ(shows, 3);  // the half-typed colour and the outside picture changed nothing
    EXPECT_FALSE(fs::exists(box.folder.File("res/new.bmp")));

    S().NumberOfLogosToDraw = 3;  // changes by other means meanwhile, one to a previewed field
    S().HotSpotTextColorG = 7;
    EXPECT_FALSE(live.End(false));
    EXPECT_EQ(shown(), "RUN 40 7 res\\logo number 2.bmp 3 -16");
    EXPECT_EQ(shows, 4);  // the cancel redraws once
    EXPECT_TRUE(Said().empty());
}

// "Add to Disc..." of the link dialog.
class AddFile : public Forms {
  protected:
    AddFile() {
        fs::create_directories(box.folder.File("docs/manuals"));
        WriteBytes(outside.File("setup.exe"), "new program");
        fs::create_directory_symlink(outside.Path(), box.folder.File("away"));
    }
    std::string Add(const std::string& from, const std::string& folder, bool expected) {
        std::string stored = "(none)";
        EXPECT_EQ(AddToDisc(from, box.folder.Path(), folder, &stored), expected) << folder;
        return stored;
    }

    const std::string source = outside.File("setup.exe");
};

template <class Form>
std::set<int> Enabled(FormFields<Form> rows, const Form& form) {
    std::set<int> ids;
    for (const auto& row : rows)
        if (row.Enabled(form)) ids.insert(row.id);
    return ids;
}

TEST(FormRows, EnableAsTheFormSays) {
    BackgroundForm b;
    EXPECT_EQ(Enabled(BackgroundFields(), b),
              (std::set{IDC_BG_BITMAP_MODE, IDC_BG_COLOUR_MODE, IDC_BG_BITMAP, IDC_BG_BROWSE,
                        IDC_DISC_TITLE, IDC_DISC_AUTOPLAY}));
    b.colourMode = true;
    EXPECT_EQ(Enabled(BackgroundFields(), b),
              (std::set{IDC_BG_BITMAP_MODE, IDC_BG_COLOUR_MODE, IDC_BG_COLOUR, IDC_BG_CHOOSE,
                        IDC_BG_DITHERED, IDC_DISC_TITLE, IDC_DISC_AUTOPLAY}));
    b.dithered = b.autoPlay = true;  // all but the bitmap and its "..."
    EXPECT_EQ(Enabled(BackgroundFields(), b).size(), BackgroundFields().count - 2);
    LogoForm still;
    EXPECT_EQ(Enabled(LogoFields(), still).count(IDC_LOGO_DELAY), 0u);
    still.animate = true;
    EXPECT_EQ(Enabled(LogoFields(), still).size(), LogoFields().count);
    HyperlinkForm quit;
    quit.ClickAction(LinkAction::Quit);
    EXPECT_EQ(Enabled(HyperlinkFields(), quit).count(IDC_LINK_DATA_A), 0u);
    quit.ClickAction(LinkAction::RunProgram);
    EXPECT_EQ(Enabled(HyperlinkFields(), quit).count(IDC_LINK_ADD_TO_DISC), 1u);
    const WizardChoice open{true, false};  // the wizard's radios and check show its answer
    std::set<int> checked;
    for (const auto& f : WizardFields())
        if (f.Checked(open)) checked.insert(f.id);
    EXPECT_EQ(checked, std::set{IDC_CHOICE_OPEN});
}

// Copied and named as stored; a clash asks; a link in the file's place is
// replaced, never written through; a folder in its place, or a way through a
// link, is refused.
TEST_F(AddFile, CopiedClashesAndLinks) {
    EXPECT_EQ(Add(source, "docs\\manuals", true), "docs\\manuals\\setup.exe");
    EXPECT_EQ(ReadBytes(box.folder.File("docs/manuals/setup.exe")), "new program");
    Add(box.folder.File("docs/manuals/setup.exe"), "docs\\manuals", true);  // itself: not asked

    WriteBytes(outside.File("victim"), "keep me");
    fs::create_symlink(outside.File("victim"), box.folder.File("setup.exe"));
    box.services.ScriptAnswers({platform::MessageAnswer::No, platform::MessageAnswer::Yes});
    Add(source, "", false);
    EXPECT_TRUE(fs::is_symlink(box.folder.File("setup.exe")));
    EXPECT_EQ(Add(source, "", true), "setup.exe");
    EXPECT_FALSE(fs::is_symlink(box.folder.File("setup.exe")));
    EXPECT_EQ(ReadBytes(outside.File("victim")), "keep me");
    EXPECT_EQ(box.services.messages.size(), 2u);

    fs::create_directory(box.folder.File("docs/setup.exe"));
    TempFolder elsewhere;
    WriteBytes(elsewhere.File("other.exe"), "other");
    Add(source, "docs", false);
    for (const char* folder : {"away", "docs\\..\\.."})
        Add(elsewhere.File("other.exe"), folder, false);
    EXPECT_FALSE(fs::exists(outside.File("other.exe")) ||
                 fs::exists(box.folder.File("../other.exe")));
    EXPECT_EQ(box.services.messages.size(), 5u);
}

// Windows reads names whatever their case: a file there in another case is a
// clash that asks, a folder with a twin in case is refused, and so is a name
// the disc would change.
TEST_F(AddFile, NamesAsWindowsReadsThem) {
    WriteBytes(box.folder.File("SETUP.EXE"), "old program");
    box.services.ScriptAnswers({platform::MessageAnswer::No, platform::MessageAnswer::Yes});
    Add(source, "", false);
    EXPECT_EQ(ReadBytes(box.folder.File("SETUP.EXE")), "old program");
    EXPECT_EQ(Add(source, "", true), "SETUP.EXE");
    EXPECT_EQ(ReadBytes(box.folder.File("SETUP.EXE")), "new program");
    EXPECT_FALSE(fs::exists(box.folder.File("setup.exe")));

    for (const char* name : {"caf\xe9.pdf", ".Velomar.LOCK"}) WriteBytes(outside.File(name), "x");
    box.services.messages.clear();
    Add(outside.File("caf\xe9.pdf"), "docs\\manuals", false);
    Add(outside.File(".Velomar.LOCK"), "", false);
    fs::create_directory(box.folder.File("Docs"));
    Add(source, "Docs", false);
    ASSERT_EQ(box.services.messages.size(), 3u);
    EXPECT_EQ(box.services.messages[0], DiscNameRefusal("caf\xe9.pdf", DiscNameRule::NotAscii));
    EXPECT_EQ(box.services.messages[2].substr(0, 35), "The folder \"Docs\" has a twin \"docs\"");
    EXPECT_FALSE(fs::exists(box.folder.File("docs/manuals/caf\xe9.pdf")) ||
                 fs::exists(box.folder.File(".Velomar.LOCK")));
}

// The folder swapped for a link to the outside between the check and the
// write: each copy lands inside or fails with a message, never outside.
TEST_F(AddFile, AFolderSwappedForALinkIsNeverWrittenThrough) {
    auto outsideFiles = [&] {
        std::set<std::string> names;
        for (const auto& e : fs::directory_iterator(outside.Path()))
            names.insert(e.path().filename().string());
        return names;
    };
    const std::set<std::string> before = outsideFiles();
    const std::string docs = box.folder.File("docs"), link = box.folder.File("docs.link");
    fs::create_directory_symlink(outside.Path(), link);
    std::atomic<bool> stop{false};
    std::thread swapper([&] {
        while (!stop) ::renameat2(AT_FDCWD, docs.c_str(), AT_FDCWD, link.c_str(), RENAME_EXCHANGE);
    });
    TempFolder sources;
    int added = 0;
    constexpr int kRounds = 1000;
    for (int i = 0; i < kRounds; ++i) {
        const std::string name = "f" + std::to_string(i);
        WriteBytes(sources.File(name), name);
        std::string stored;
        added += AddToDisc(sources.File(name), box.folder.Path(), "docs", &stored);
    }
    stop = true;
    swapper.join();
    EXPECT_EQ(outsideFiles(), before);
    EXPECT_GT(added, 0);
    EXPECT_EQ(box.services.messages.size(), std::size_t(kRounds - added));
}

TEST_F(AddFile, ChosenFolderMustBeInsideTheProject) {
    const std::string sibling = box.folder.Path().substr(0, box.folder.Path().size() - 1) + "x";
    fs::create_directory(sibling);
    const std::pair<std::string, std::string> cases[] = {
        {box.folder.Path(), ""},
        {box.folder.File("docs/../docs/manuals/"), "docs\\manuals"},
        {box.folder.File("away"), "(none)"},  // resolves outside
        {sibling, "(none)"},                  // the project folder's name is its prefix
        {box.folder.File("gone"), "(none)"},
    };
    for (const auto& [chosen, expected] : cases) {
        std::string relative = "(none)";
        EXPECT_EQ(DiscFolderName(box.folder.Path(), chosen, &relative), expected != "(none)")
            << chosen;
        EXPECT_EQ(relative, expected) << chosen;
    }
    fs::remove_all(sibling);
}

}  // namespace
