// The project folder's files: what the build writes, keeps in res\ and where it stops, what
// is imported into res\, and the disc image made of it. The folder is one someone sent us:
// built by an ordinary user (for whom permissions count), whatever links and names it holds,
// only its own files are written or deleted.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <thread>

#include "../support/ordinary_user.h"
#include "../support/project_sandbox.h"
#include "editor/autorun_text.h"
#include "editor/disc_image/disc_contents.h"
#include "editor/disc_image/disc_image.h"
#include "editor/disc_image/disc_names.h"
#include "editor/disc_image/image_report.h"
#include "editor/disc_image/volume_label.h"
#include "editor/forms/resource_import.h"
#include "editor/project_build.h"
#include "editor/project_lock.h"
#include "editor/windows_disc_name.h"
#include "platform/replacement_file.h"

namespace {

using namespace sandbox;

const std::string kAutorun = AUTORUN_INF_TEXT;

bool IsFile(const std::string& path) { return fs::is_regular_file(fs::symlink_status(path)); }

class ProjectBuild : public ::testing::Test {
  protected:
    ProjectBuild() {
        OpenToOrdinaryUser(box.folder.Path());
        OpenToOrdinaryUser(outside.Path());
        WriteBytes(outside.File("Velomar.exe"), "MZ runtime");
    }
    std::string P(const std::string& name) const { return box.folder.File(name); }
    Strings ResFiles() const {
        Strings names;
        for (const auto& e : fs::recursive_directory_iterator(P("res")))
            names.push_back(e.path().lexically_relative(P("res")).string());
        std::sort(names.begin(), names.end());
        return names;
    }
    // As the ordinary user: `arrange` makes the fixture, the project at `folder`
    // (default: the sandbox's) gets `settings` and is built with `runtime`; the
    // result, the messages and the report as one text.
    std::string Build(const std::function<void()>& arrange,
                      const std::function<void(LaunchSettings&)>& settings = {},
                      std::string folder = "") {
        if (folder.empty()) folder = box.folder.Path();
        return AsOrdinaryUser([&] {
            fs::create_directories(folder + "/res");
            arrange();
            CInstallerWnd project(folder);
            if (settings) settings(*project.Settings);
            BuildReport report;
            const BuildResult result = BuildProject(&project, outside.File(runtime), &report);
            std::string text = result == BuildResult::Built ? "built" : "failed";
            for (const std::string& m : box.services.messages) text += "|" + m;
            if (!report.Empty()) text += "|" + BuildReportLines(report) + BuildCountLine(report);
            return text;
        });
    }

    ProjectSandbox box;
    TempFolder outside;
    std::string runtime = "Velomar.exe";
};

// A runtime under another name still lands as Velomar.exe, which autorun.inf
// starts; files of a Windows-made project in another case are replaced, not
// doubled; folders in res\ stay.
TEST_F(ProjectBuild, WritesTheDiscFolder) {
    runtime = "velomar-x86.exe";
    WriteBytes(outside.File(runtime), "MZ renamed");
    EXPECT_EQ(Build([&] {
                  fs::create_directories(P("res/sub"));
                  WriteBytes(P("res/sub/inner.bmp"), "kept");
                  WriteBytes(P("VELOMAR.EXE"), "an older runtime");
                  WriteBytes(P("AUTORUN.INF"), "[autorun]");
              }),
              "built");
    EXPECT_EQ(ReadBytes(P("AUTORUN.INF")), "[autorun]\r\nopen=Velomar.exe\r\nicon=Velomar.exe\r\n");
    EXPECT_EQ(ReadBytes(P("VELOMAR.EXE")), "MZ renamed");
    EXPECT_FALSE(fs::exists(P("Velomar.exe")) || fs::exists(P("autorun.inf")));
    EXPECT_EQ(ResFiles(), (Strings{"sub", "sub/inner.bmp"}));
}

// Kept in res\: what either runtime opens for a used name, in any case and
// spelling; the logos only up to their count, a link's file only for RUN and
// OPEN. What cannot go onto a disc is named, and a link in res\ never deleted.
TEST_F(ProjectBuild, KeepsWhatTheMenuUses) {
    const std::string result = Build(
        [&] {
            for (const char* name :
                 {"back.bmp", "logo.bmp", "second.bmp", "beyond-count.bmp", "intro.wav",
                  "setup.exe", "MANUAL.PDF", "absolute.exe", "abs.pdf", "quit.txt",
                  "beyond-count.exe", "Back.bmp.bak", "linked.exe", "a.ico"})
                WriteBytes(P(std::string("res/") + name), std::string("BM") + name);
            fs::create_directory(P("docs"));
            fs::create_directory_symlink("res", P("alias"));  // only POSIX follows it
            WriteBytes(outside.File("art.bmp"), "BM outside");
            fs::create_symlink(outside.File("art.bmp"), P("res/art.bmp"));
            fs::create_symlink(outside.File("gone.wav"), P("res/gone.wav"));
        },
        [](LaunchSettings& s) {
            s.BackGroundBitmapName = "res\\.\\Back.bmp";
            s.NumberOfLogosToDraw = 3;
            s.LogoBitmapName[0] = "RES//LOGO.BMP. ";  // Windows drops the trailing ". "
            s.LogoBitmapName[1] = "res\\.\\art.bmp";
            s.LogoBitmapName[2] = "res/second.bmp.";  // only Windows finds it
            s.LogoBitmapName[3] = "res\\beyond-count.bmp";
            s.StartupWaveFile = "..\\res\\intro.wav";  // at a disc's root ".." stays there
            s.HotSpotWaveFile = "res\\gone.wav";
            s.AutoPlay = 1, s.AutoPlayIcon = "res\\a.ico", s.WindowTitle = "Sm";
            s.NumberOfHotSpots = 6;
            int i = 0;
            for (const std::string link :
                 {"RUN res\\Setup.exe", "OPEN nowhere\\..\\res//manual.pdf",
                  "RUNABSOLUTE res\\absolute.exe", "OPENABSOLUTE res\\abs.pdf",
                  "QUIT res\\quit.txt", "RUN alias\\linked.exe", "RUN res\\beyond-count.exe"}) {
                s.HotSpotCommand[i] = link.substr(0, link.find(' '));
                s.HotSpotCommandDataA[i++] = link.substr(link.find(' ') + 1);
            }
        });
    EXPECT_EQ(result, std::string("built|") + OFF_DISC_NOTE +
                          "\nres\\.\\art.bmp: it leads out of the project folder or nowhere"
                          "\nres\\gone.wav: it leads out of the project folder or nowhere"
                          "\nalias\\linked.exe: reached through a link, which Windows does not "
                          "see on a disc|Removed res\\Back.bmp.bak\nRemoved res\\abs.pdf\nRemoved "
                          "res\\absolute.exe\nRemoved res\\beyond-count.bmp\nRemoved "
                          "res\\beyond-count.exe\nRemoved res\\quit.txt\nKept res\\MANUAL.PDF: a "
                          "link uses it\nKept res\\linked.exe: a link uses it\nKept res\\setup.exe: a "
                          "link uses it\nRemoved 6 files from res; kept 3 only because a link uses "
                          "them.");
    EXPECT_EQ(ResFiles(), (Strings{"MANUAL.PDF", "a.ico", "art.bmp", "back.bmp", "gone.wav",
                                   "intro.wav", "linked.exe", "logo.bmp", "second.bmp",
                                   "setup.exe"}));
    EXPECT_EQ(ReadBytes(P("autorun.inf")), kAutorun.substr(0, 34) + "res\\a.ico\r\nlabel=Sm\r\n");
    EXPECT_TRUE(fs::is_symlink(P("res/art.bmp")));
    // The editor's list stops where a message box would outgrow the screen.
    EXPECT_EQ(BuildReportLines({{"res\\a", "res\\b"}, {"res\\c"}}, 2),
              "Removed res\\a\nRemoved res\\b\nand 1 more\n");
}

// Windows takes names for one whatever their case: other spellings of our
// files go, two settings files stop the build; names the disc would change,
// twins in case and the pictures and sounds the menu misses are named.
TEST_F(ProjectBuild, NamesWhatWindowsWouldReadOtherwise) {
    const std::string result = Build(
        [&] {
            for (const char* folder : {"docs", "Docs"}) fs::create_directory(P(folder));
            for (const char* name :
                 {"autorun.inf", "AUTORUN.INF", "AutoRun.inf", "Velomar.exe", "docs/Readme.txt",
                  "docs/README.TXT", "res/caf\xe9.bmp"})
                WriteBytes(P(name), "x");
            fs::create_symlink(outside.File("Velomar.exe"), P("VELOMAR.EXE"));  // only it goes
            WriteBytes(P("res/title.bmp"), "\x89PNG\r\n");
            fs::create_directory(P("res/sub.bmp"));
        },
        [](LaunchSettings& s) {
            s.BackGroundBitmapName = "res\\caf\xe9.bmp";
            s.NumberOfLogosToDraw = 3;
            s.LogoBitmapName[0] = "res\\TITLE.BMP";
            s.LogoBitmapName[1] = "res\\gone.bmp";
            s.LogoBitmapName[2] = "res\\sub.bmp";
            s.StartupWaveFile = "res\\intro.wav";
        });
    const std::string notAscii = DiscNameRuleText(DiscNameRule::NotAscii);
    EXPECT_EQ(result,
              "built|Removed AUTORUN.INF, AutoRun.inf and VELOMAR.EXE: Windows takes them "
              "for autorun.inf or Velomar.exe, which the build writes, and a disc holds "
              "one of each.\n\n" +
                  std::string(MISSING_NOTE) +
                  "\nres\\gone.bmp: logo 2\nres\\sub.bmp: logo 3\nres\\intro.wav: the "
                  "startup sound\n\nres\\caf\xe9.bmp is not a BMP picture: only BMP pictures "
                  "work.\nres\\TITLE.BMP is not a BMP picture (it is a PNG): only BMP pictures "
                  "work.\n\n" +
                  OFF_DISC_NOTE + "\nres\\caf\xe9.bmp: on the disc it has another name: " +
                  notAscii + "\n\n" + RENAMED_NOTE + "\nres\\caf\xe9.bmp: " + notAscii + "\n\n" +
                  CASE_CLASH_NOTE + "\nDocs and docs\ndocs\\README.TXT and docs\\Readme.txt");
    EXPECT_EQ(
        ReadBytes(P("AUTORUN.INF")) + ReadBytes(P("AutoRun.inf")) + ReadBytes(P("VELOMAR.EXE")),
        "");
    EXPECT_EQ(ReadBytes(P("autorun.inf")) + ReadBytes(P("Velomar.exe")), kAutorun + "MZ runtime");

    box.services.messages.clear();
    WriteBytes(P("AppSetup.dat"), "");
    WriteBytes(P("APPSETUP.DAT"), "");
    EXPECT_EQ(Build([] {}),
              "failed|The project folder holds more than one settings file: AppSetup.dat (the "
              "project's) and APPSETUP.DAT. Windows takes them for one name, so a disc can carry "
              "only one.\n\nPlease remove or rename the others, then build again.");
}

TEST_F(ProjectBuild, StopsWithItsMessage) {
    EXPECT_EQ(Build([&] {
                  WriteBytes(P("res/orphan.bmp"), "not used");
                  fs::create_directory(P("autorun.inf"));
              }),
              "failed|Failed to create the Autorun.inf file!");
    EXPECT_FALSE(fs::exists(P("Velomar.exe")));
    EXPECT_TRUE(fs::exists(P("res/orphan.bmp")));
    fs::remove(P("autorun.inf"));
    EXPECT_EQ(Build([&] { fs::remove_all(P("res")); }),
              "failed|Unexpected error! Can't locate the RES folder!");
    EXPECT_TRUE(IsFile(P("autorun.inf")) && IsFile(P("Velomar.exe")));
    EXPECT_EQ(BuildProject(nullptr, outside.File("Velomar.exe")), BuildResult::NoProject);
}

TEST_F(ProjectBuild, LinksAreReplacedNeverWrittenThroughOrFollowed) {
    // The linked file is one the user may not write: only the link is replaced.
    WriteBytes(outside.File("victim.inf"), "outside");
    fs::permissions(outside.File("victim.inf"), fs::perms(0644));
    const char* theUsers[] = {"notes.txt.tmp.01234567",     "AppSetup.dat.tmpl",
                              "AppSetup.dat.tmp-my-backup", "Velomar.exe.tmp42",
                              "autorun.inf.tmp1",           "autorun.inf.tmp.0123ABCD"};
    const std::string result = Build([&] {
        // A res\ linked elsewhere is neither cleaned nor followed.
        fs::remove(P("res"));
        fs::create_directory(outside.File("shared"));
        WriteBytes(outside.File("shared/a.bmp"), "not the project's");
        fs::create_directory_symlink(outside.File("shared"), P("res"));
        fs::create_symlink(outside.File("victim.inf"), P("autorun.inf"));
        // A link to the runtime itself is no runtime on a disc.
        fs::create_symlink(outside.File("Velomar.exe"), P("Velomar.exe"));
        // Leftovers of a killed build: ours go, a user's file of a like name stays.
        WriteBytes(P("autorun.inf.tmp.0123abcd"), "[aut");
        WriteBytes(P("VELOMAR.EXE.tmp.deadbeef"), "MZ");
        fs::create_symlink(outside.File("victim.inf"), P("autorun.inf.tmp.00000000"));
        for (const char* name : theUsers) WriteBytes(P(name), "the user's");
    });
    EXPECT_EQ(result, std::string("built|") + RES_LINK_NOTE);
    EXPECT_TRUE(IsFile(outside.File("shared/a.bmp")));
    EXPECT_EQ(ReadBytes(outside.File("victim.inf")), "outside");
    EXPECT_TRUE(IsFile(P("autorun.inf")) && IsFile(P("Velomar.exe")));
    EXPECT_EQ(ReadBytes(P("autorun.inf")) + ReadBytes(P("Velomar.exe")), kAutorun + "MZ runtime");
    EXPECT_FALSE(fs::exists(P("autorun.inf.tmp.0123abcd")) ||
                 fs::exists(P("VELOMAR.EXE.tmp.deadbeef")));
    EXPECT_TRUE(fs::is_symlink(P("autorun.inf.tmp.00000000")));
    for (const char* name : theUsers) EXPECT_EQ(ReadBytes(P(name)), "the user's") << name;

    // A dangling link in another case is replaced too, and makes no file outside.
    fs::remove(P("autorun.inf"));
    fs::create_symlink(outside.File("made.inf"), P("AUTORUN.INF"));
    EXPECT_EQ(Build([] {}), std::string("built|") + RES_LINK_NOTE);
    EXPECT_FALSE(fs::exists(outside.File("made.inf")));
    EXPECT_TRUE(IsFile(P("AUTORUN.INF")));
}

// Another run holds the project: the build waits rather than sweep its live
// temporary file, then runs; no lock file is left. A lock name taken by a link
// stops the build, and nothing is made where the link leads.
TEST_F(ProjectBuild, RunsOnOneProjectTakeTurns) {
    fs::create_directories(P("res"));
    std::unique_ptr<platform::FolderLock> other;
    ASSERT_EQ(box.system.LockFolder(box.folder.Path(), 0, &other), platform::LockResult::Locked);
    EXPECT_FALSE(ProjectLock(box.folder.Path(), 50).Held());
    EXPECT_EQ(box.services.messages, Messages{PROJECT_BUSY_MESSAGE + box.folder.Path()});
    box.services.messages.clear();

    const std::string live = P("AppSetup.dat.tmp.0123abcd");
    WriteBytes(live, "being written");
    bool keptWhileHeld = false;
    std::thread holder([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        keptWhileHeld = fs::exists(live);
        fs::remove(live);  // renamed into place, as a save ends
        other.reset();
    });
    EXPECT_EQ(Build([] {}, [](LaunchSettings& s) { s.BackGroundBitmapName = "@@0000000d0000ff"; }),
              "built");  // a colour background names no file
    holder.join();
    EXPECT_TRUE(keptWhileHeld);
    EXPECT_FALSE(fs::exists(P(platform::PROJECT_LOCK_NAME)));

    fs::create_symlink(outside.File("made.lock"), P(platform::PROJECT_LOCK_NAME));
    EXPECT_EQ(Build([] {}), "failed|" + std::string(PROJECT_LOCK_BLOCKED_MESSAGE) +
                                P(platform::PROJECT_LOCK_NAME));
    EXPECT_FALSE(fs::exists(outside.File("made.lock")));
}

TEST_F(ProjectBuild, AProjectFolderNameIsTakenAsItIs) {
    // "p\..\victim" is one folder's name, not a way to the folder beside it.
    const std::string victim = P("victim/"), odd = P("p\\..\\victim/");
    const std::string result = Build(
        [&] {
            fs::create_directories(victim + "res");
            WriteBytes(victim + "res/theirs.bmp", "victim's");
            WriteBytes(odd + "res/unused.bmp", "ours");
        },
        {}, odd);
    EXPECT_EQ(result,
              "built|Removed res\\unused.bmp\nRemoved 1 file from res; kept 0 only because a link "
              "uses them.");
    EXPECT_TRUE(IsFile(victim + "res/theirs.bmp"));
    EXPECT_FALSE(fs::exists(victim + "autorun.inf") || fs::exists(odd + "res/unused.bmp"));
    EXPECT_EQ(ReadBytes(odd + "autorun.inf"), kAutorun);

    // A folder named back\slash opens; its stored names still map '\'.
    const std::string named = P("back\\slash");
    fs::create_directories(named + "/res");
    CInstallerWnd saved(named);
    saved.Settings->BackGroundBitmapName = "res\\b.bmp";
    ASSERT_TRUE(saved.SaveSettings());
    CInstallerWnd opened(named);
    ASSERT_TRUE(opened.LoadSettings());
    EXPECT_EQ(TextOf(opened.Settings->BackGroundBitmapName), "res\\b.bmp");
    EXPECT_EQ(ProjectFilePath(named, "res\\b.bmp"), named + "/res/b.bmp");
}

const std::string kCannotOpen = "Failed to open the specified file:\n";

class ResourceImport : public ProjectBuild {
  protected:
    ResourceImport() {
        fs::create_directory(Res());
        WriteBytes(outside.File("logo.bmp"), "new picture");
    }
    std::string Res(const std::string& name = "") const { return P("res/" + name); }
};

// A name in res\ is taken as it is; a file from elsewhere is copied in, over
// the one there in another case (Windows reads LOGO.BMP and logo.bmp as one). A
// failed copy says why and leaves the old file and no part of the new one; a
// file of our temporary name that someone else made is never truncated. A name
// the disc would change is refused with its rule, nothing copied.
TEST_F(ResourceImport, ImportNamesAndCopies) {
    WriteBytes(Res("logo.bmp.tmp0"), "someone else's");
    WriteBytes(Res("LOGO.BMP"), "old");
    WriteBytes(Res("mem"), "old");
    struct Case {
        std::string text;
        std::string name;  // "": refused
        Messages messages;
    };
    auto refused = [&](const std::string& leaf, DiscNameRule rule) {
        WriteBytes(outside.File(leaf), leaf);
        return Case{outside.File(leaf), "", {DiscNameRefusal(leaf, rule)}};
    };
    const Case cases[] = {
        {outside.File("logo.bmp"), "res\\LOGO.BMP", {}},
        {Res("LOGO.BMP"), "res\\LOGO.BMP", {}},    // onto itself: no work
        {"RES\\intro.wav", "res\\intro.wav", {}},  // not copied, not checked
        {"res\\sub\\a.bmp", "res\\a.bmp", {}},
        {"res\\", "", {}},
        {outside.File("none.bmp"), "", {kCannotOpen + outside.File("none.bmp")}},
        {outside.Path(), "", {kCannotOpen + outside.Path()}},
        {"/proc/self/mem", "", {kCannotOpen + "/proc/self/mem"}},  // fails after it opened
        refused("evil\\title.bmp", DiscNameRule::Forbidden),
        refused("caf\xe9.bmp", DiscNameRule::NotAscii),
        refused("trailing. .", DiscNameRule::TrailingDot),
        refused("CONIN$.wav", DiscNameRule::Reserved),
        refused(std::string(150, 'n') + ".bmp", DiscNameRule::TooLong),
        {"res\\nul", "", {DiscNameRefusal("nul", DiscNameRule::Reserved)}},
    };
    for (const auto& c : cases) {
        std::string name = "unchanged";
        box.services.messages.clear();
        EXPECT_EQ(ImportResource(c.text, box.folder.Path(), &name), !c.name.empty()) << c.text;
        EXPECT_EQ(name, c.name.empty() ? "unchanged" : c.name) << c.text;
        EXPECT_EQ(box.services.messages, c.messages) << c.text;
    }
    std::set<std::string> content;  // everything in res, so a stray file shows
    for (const auto& e : fs::directory_iterator(Res()))
        content.insert(e.path().filename().string() + "=" + ReadBytes(e.path().string()));
    EXPECT_EQ(content, (std::set<std::string>{"logo.bmp.tmp0=someone else's",
                                              "LOGO.BMP=new picture", "mem=old"}));
    // Stored names reach files in any case; a path from elsewhere stays as it is.
    EXPECT_EQ(ProjectFilePath(box.folder.Path(), "res\\logo.bmp"), Res("LOGO.BMP"));
    EXPECT_EQ(FieldFilePath(box.folder.Path(), "RES\\logo.bmp"), Res("LOGO.BMP"));

    // Without a res folder every outside import fails; a res that is a link
    // is not written through.
    fs::remove_all(Res());
    std::string name;
    box.services.messages.clear();
    EXPECT_FALSE(ImportResource(outside.File("logo.bmp"), box.folder.Path(), &name));
    TempFolder away;
    fs::create_directory_symlink(away.Path(), P("res"));
    EXPECT_FALSE(ImportResource(outside.File("logo.bmp"), box.folder.Path(), &name));
    EXPECT_EQ(box.services.messages,
              (Messages{"Failed to create the file in the project directory!",
                        "The project's \"res\" folder is a link: nothing is copied "
                        "through it.\n" +
                            P("res")}));
    EXPECT_TRUE(fs::is_empty(away.Path()));
}

// With AutoPlay the title is a label line Explorer shows; off, the file is as ever.
TEST(AutorunFile, LabelAndIconOnlyWithAutoPlay) {
    const std::string head = "[autorun]\r\nopen=Velomar.exe\r\nicon=";
    std::string wide = "\xFF\xFE";  // UTF-16 little-endian with its mark
    for (char16_t c : u"[autorun]\r\nopen=Velomar.exe\r\nicon=Velomar.exe\r\nlabel=\U0001F4BF\r\n")
        if (c) wide += {char(c & 0xFF), char(c >> 8)};
    const struct { int autoPlay; std::string title, icon, text; } cases[] = {
        {0, "Smith", "res\\disc.ico", AUTORUN_INF_TEXT},
        {1, "Smith Disc", "", head + "Velomar.exe\r\nlabel=Smith Disc\r\n"},
        {1, "\t", "res\\d\r.ico", head + "res\\d.ico\r\n"},
        {1, "Caf\xE9", "", head + "Velomar.exe\r\nlabel=Caf\xE9\r\n"},  // the ANSI code page's
        {1, "\xF0\x9F\x92\xBF", "", wide},
    };
    for (const auto& c : cases) {
        LaunchSettings s;
        s.AutoPlay = c.autoPlay, s.WindowTitle = c.title, s.AutoPlayIcon = c.icon;
        EXPECT_EQ(AutorunText(s), c.text) << c.title;
    }
}

// The title as the ISO 9660 label, as autorun.inf's label ("": the title itself) and as
// the Joliet name (16 characters, big-endian; null: not checked); xorriso's progress lines.
TEST(DiscImageNames, VolumeNamesAutorunLabelAndProgress) {
    std::string e33;
    for (int i = 0; i < 33; ++i) e33 += "\xC3\xA9";
    const std::string az = "ABCDEFGHIJKLMNOPQRSTUVWXYZ12345";
    const struct {
        std::string title, iso, label;
        const char16_t* joliet = nullptr;
    } cases[] = {
        {"", "VELOMAR", "", u"                "},
        {"  --Hello--World--  ", "HELLO_WORLD", "--Hello--World--"},
        {"Caf\xC3\xA9 D\xC3\xA9j\xC3\xA0 Vu", "CAFE_DEJA_VU", ""},  // UTF-8
        {"Caf\xE9 D\xE9j\xE0 Vu", "CAFE_DEJA_VU", ""},              // Windows-1252
        {"\x8Akoda \x9E", "SKODA_Z", ""},                           // 1252 extras
        {"\xE6\x97\xA5\xE6\x9C\xAC Disc 2", "DISC_2", ""},          // no Latin letters
        // The 32nd character would be the "_" before X: it goes, not the X's place.
        {az + " X", az, az},
        {az + "6789", az + "6", az + "6"},
        {" \t A\r\nlabel=x  B ", "A_LABEL_X_B", "A label=x B"},  // one INF line
        {e33, std::string(32, 'E'), e33.substr(2)},           // characters, not bytes
        {"Caf\xE9 \x80", "CAFE", "", u"Caf\u00E9 \u20AC          "},
        {"A Very Long Disc Title", "A_VERY_LONG_DISC_TITLE", "", u"A Very Long Disc"},
        {"Fun \xF0\x9F\x98\x80 disc", "FUN_DISC", "", u"Fun  disc       "},  // beyond 16 bits
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsoVolumeLabel(c.title), c.iso) << c.title;
        EXPECT_EQ(AutorunLabel(c.title), c.label.empty() ? c.title : c.label) << c.title;
        if (!c.joliet) continue;
        std::string ucs2;
        for (const char16_t* u = c.joliet; *u; ++u) ucs2 += {char(*u >> 8), char(*u & 0xFF)};
        EXPECT_EQ(JolietVolumeName(c.title), ucs2) << c.title;
    }

    const std::pair<const char*, int> lines[] = {
        {"xorriso : UPDATE : Writing:      14848s   45.2%   fifo 100%  buf  50%", 45},
        {"xorriso : UPDATE :  99.99% done, estimate finish Mon Dec  7", 99},
        {"xorriso : UPDATE :       6 files added in 1 seconds", -1},
        {"xorriso : NOTE : 50% of something", -1},
        {"xorriso : UPDATE : 250% done", 100},
    };
    for (const auto& [line, percent] : lines) EXPECT_EQ(ProgressPercent(line), percent) << line;
}

// The limits are xorriso's Joliet ones: 103 characters, a file's dot not
// counted, and 240 bytes of path (one per level, two per character).
TEST(DiscImageNames, WhatAWindowsDiscCarries) {
    const std::string a59(59, 'a'), x103(103, 'x');
    const struct {
        std::string path;
        bool folder;
        DiscNameRule rule;
    } cases[] = {
        {"docs\\Read me (v2).txt", false, DiscNameRule::None},
        {"caf\xE9.txt", false, DiscNameRule::NotAscii},
        {"caf\xC3\xA9.txt", false, DiscNameRule::NotAscii},
        {"a;1", false, DiscNameRule::Forbidden},
        {"tab\tname", false, DiscNameRule::Forbidden},
        {"say \"hi\"", false, DiscNameRule::Forbidden},
        {"CONIN$", false, DiscNameRule::Reserved},
        {"lpt0.txt", false, DiscNameRule::Reserved},
        {"docs\\Con .tar.gz", false, DiscNameRule::Reserved},
        {"COM10", false, DiscNameRule::None},
        {"conout", false, DiscNameRule::None},
        {"readme.", false, DiscNameRule::TrailingDot},
        {"..\\x", false, DiscNameRule::TrailingDot},
        {"docs \\x", false, DiscNameRule::TrailingDot},
        {x103, true, DiscNameRule::None},
        {x103 + ".", true, DiscNameRule::TrailingDot},
        {x103 + "y", true, DiscNameRule::TooLong},
        {x103.substr(3) + ".txt", false, DiscNameRule::None},
        {x103.substr(2) + ".txt", false, DiscNameRule::TooLong},
        {a59 + "\\" + a59, false, DiscNameRule::None},  // 239 bytes
        {a59 + "/" + a59 + "b", false, DiscNameRule::PathTooLong},
    };
    for (const auto& c : cases) EXPECT_EQ(BrokenDiscPathRule(c.path, c.folder), c.rule) << c.path;
}

// Only the exact form our writer makes is ours; a user's name like it is not.
TEST(DiscImageNames, TemporaryNames) {
    const std::string made = platform::TemporaryNameFor("AppSetup.dat", 0x0a1b2c3d);
    EXPECT_EQ(made, "AppSetup.dat.tmp.0a1b2c3d");
    const struct {
        std::string leaf;
        bool temporary, ofSettings;  // IsTemporaryName, IsTemporaryNameOf AppSetup.dat
    } cases[] = {
        {made, true, true},
        {"APPSETUP.DAT.tmp.ffffffff", true, true},
        {"logo.bmp.tmp.00c0ffee", true, false},
        {"AppSetup.dat.tmpl", false, false},
        {"AppSetup.dat.tmp-my-backup", false, false},
        {"AppSetup.dat.tmp.0A1B2C3D", false, false},
        {"AppSetup.dat.tmp.0a1b2c3", false, false},
        {"AppSetup.dat.tmp.0a1b2c3d4", false, false},
        {"AppSetup.dat.x.tmp.0a1b2c3d", true, false},
        {"Velomar.exe.tmp42", false, false},
        {"autorun.inf.tmp1", false, false},
        {"readme.tmp.CAFE00", false, false},
        {"docs.tmp.0a1b2c3g", false, false},
        {".tmp.12345678", false, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(platform::IsTemporaryName(c.leaf), c.temporary) << c.leaf;
        EXPECT_EQ(platform::IsTemporaryNameOf(c.leaf, "AppSetup.dat"), c.ofSettings) << c.leaf;
    }
}

// Spellings of a name, its own first; an earlier image is replaced but a twin of
// it in case is not; the lists stop at 40 lines; sizes round up into the next unit.
// Temporaries, links out of the folder and special files stay off the disc.
TEST(DiscImageNames, TwinsListsSizesAndWhatStaysOff) {
    ProjectSandbox box;
    std::string iso(16 * 2048 + 6, '\0');
    WriteBytes(box.folder.File("disc.iso"), iso.replace(16 * 2048 + 1, 5, "CD001"));
    const std::string image = box.folder.File("disc.iso");
    EXPECT_EQ(ImageOutputRefusal(box.folder.Path(), image), "");
    for (const char* name : {"DISC.ISO", "Disc.iso"}) WriteBytes(box.folder.File(name), "");
    EXPECT_EQ(SpellingsIn(box.folder.Path(), "disc.iso"),
              (Strings{"disc.iso", "DISC.ISO", "Disc.iso"}));
    EXPECT_NE(ImageOutputRefusal(box.folder.Path(), image), "") << "a twin in case";
    for (int i = 0; i < 42; ++i) WriteBytes(box.folder.File("f" + std::to_string(i) + ";"), "");
    const std::string renamed = RenamedText(FindDiscNameFaults(box.folder.Path()));
    EXPECT_EQ(renamed.substr(renamed.rfind('\n')), "\n... and 2 more");
    EXPECT_EQ(ReadableSize(1) + "|" + ReadableSize(1023) + "|" + ReadableSize(1048575),
              "1 byte|1,023 bytes|1.0 MB (1,048,575 bytes)");

    TempFolder outside, project;
    const std::string root = fs::canonical(project.Path()).string();
    fs::create_directories(project.File("res/sub"));
    for (const char* name : {"AppSetup.dat", "res/logo.bmp", "AppSetup.dat.tmp.0011aabb",
                             "res/sub/Velomar.exe.tmp12", "res/sub/Velomar.exe.tmp.00c0ffee"})
        WriteBytes(project.File(name), "x");
    fs::create_symlink(outside.Path(), project.File("res/out"));
    fs::create_symlink("../../nowhere", project.File("res/sub/dangling"));
    fs::create_directory(root + "-beside");  // its name only begins like the project's
    fs::create_symlink(root + "-beside", project.File("res/beside"));
    ASSERT_EQ(::mkfifo(project.File("res/pipe").c_str(), 0600), 0);
    Strings excluded = ExcludedPaths(root);
    std::sort(excluded.begin(), excluded.end());
    Strings expected;
    for (const char* name : {"AppSetup.dat.tmp.0011aabb", "res/beside", "res/out", "res/pipe",
                             "res/sub/Velomar.exe.tmp.00c0ffee", "res/sub/dangling"})
        expected.push_back(root + "/" + name);
    EXPECT_EQ(excluded, expected);
    fs::remove(root + "-beside");
}

// A failing xorriso (a stand-in that writes into its output the way the real
// one does) or none at all: the old image stays, and the message says how it
// ended and what it said that matters.
TEST(StandIn, FailuresKeepTheOldImageAndSayWhy) {
    ProjectSandbox box;
    TempFolder bin, out;
    const std::string image = out.File("disc.iso"), standIn = bin.File("xorriso");
    const std::string partial =
        "for a; do case \"$a\" in stdio:*) o=\"${a#stdio:}\";; esac; done\n"
        "echo partial image > \"$o\"\n";
    const std::pair<std::string, std::string> cases[] = {
        {partial + "echo 'xorriso : NOTE : a note' >&2\n"
                   "echo 'xorriso : FAILURE : Cannot write: No space left on device' >&2\nexit 5",
         "ended with status 5:\nxorriso : FAILURE : Cannot write: No space left on device"},
        {"echo 'xorriso : UPDATE : 10% done' >&2; echo 'libburn : no room' >&2; exit 3",
         "ended with status 3:\nlibburn : no room"},
        {"exit 5", "ended with status 5."},
        {"echo 'xorriso : NOTE : starting' >&2; kill -9 $$",
         "was stopped by signal 9 (Killed):\nxorriso : NOTE : starting"},
        {"", "ended with status 127:\ncannot start the program: it was not found"},  // none
    };
    for (const auto& [script, why] : cases) {
        WriteBytes(standIn, "#!/bin/sh\n" + script + "\n");
        fs::permissions(standIn, fs::perms::owner_all);
        WriteBytes(image, "old image");
        box.services.messages.clear();
        const std::string program = script.empty() ? bin.File("missing/xorriso") : standIn;
        EXPECT_EQ(WriteDiscImage({box.folder.Path(), image, "Title", program}, nullptr),
                  ImageResult::Failed);
        EXPECT_EQ(box.services.messages,
                  Strings{"Failed to write the disc image: " + image + "\nxorriso " + why});
        EXPECT_EQ(ReadBytes(image), "old image");
        EXPECT_EQ(std::distance(fs::directory_iterator(out.Path()), {}), 1);
    }
}

}  // namespace
