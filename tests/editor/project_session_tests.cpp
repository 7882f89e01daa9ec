// On the headless host with real folders: New and its dialog's path, Open, the title's "*",
// the reload with its picture cache, a failed save; the editor controller through one session
// of commands, and its tables; the recent list, the settings store, and Help's guide.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <deque>
#include <functional>
#include <set>

#include "../support/project_sandbox.h"
#include "bench/bench_project.h"
#include "editor/companion_files.h"
#include "editor/editor_controller.h"
#include "editor/item_layout.h"
#include "editor/new_project_path.h"
#include "editor/pictures_ahead.h"
#include "editor/project_build.h"
#include "editor/recent_projects.h"
#include "fake_panes.h"
#include "platform/headless/headless_platform.h"
#include "platform/reg_settings.h"

namespace {

using platform::MessageAnswer;
using namespace sandbox;

class ProjectSessionTest : public ::testing::Test {
  protected:
    std::string Folder(const std::string& name) const { return temp.Path() + name; }
    const Messages& Said() const { return host.services.messages; }
    void OpenModified(const std::string& name) {
        ASSERT_TRUE(session.NewProject(Folder(name)));
        session.GetInstallerWnd()->Settings->WindowTitle = "changed";
        session.SetModified(true);
    }
    std::unique_ptr<CInstallerWnd> OnDisk(const std::string& folder) {
        auto stored = std::make_unique<CInstallerWnd>(folder);
        EXPECT_TRUE(stored->LoadSettings());
        return stored;
    }

    platform::HeadlessPlatform host{platform::HeadlessOptions{{1024, 768}, false}};
    TempFolder temp;
    std::unique_ptr<platform::Window> pane = host.windows.CreateHostWindow(
        {0, platform::ws::Popup | platform::ws::Visible, {}, "", 0, 0, 800, 500}, nullptr);
    FakePanes view{pane.get()};
    ProjectSession session{&view};
};

// New makes nested folders and shows the preview centred in its pane; on an
// existing project it asks, and keeps res\ whatever the answer.
TEST_F(ProjectSessionTest, NewProjectAndTheOverwriteQuestion) {
    OpenModified("a/b/p");
    CInstallerWnd* wnd = session.GetInstallerWnd();
    ASSERT_TRUE(wnd->Wnd && wnd->Wnd->IsWindow());
    const platform::Rect r = wnd->Wnd->GetWindowRect();
    EXPECT_EQ((platform::Point{r.left, r.top}), (platform::Point{80, 30}));
    session.SaveProject();
    fs::create_directories(Folder("a/b/p/res/keep"));

    // No: the open project is closed all the same and the file stays.
    ASSERT_FALSE(session.NewProject(Folder("a/b/p")));
    EXPECT_EQ(session.GetInstallerWnd(), nullptr);
    EXPECT_EQ(Said(), Messages{"Project already exists.\nDo you wish to overwrite?"});
    EXPECT_EQ(TextOf(OnDisk(Folder("a/b/p"))->Settings->WindowTitle), "changed");
    EXPECT_EQ(view.rebuilds, 1);  // stopped before the window: the tree stays

    host.services.ScriptAnswers({MessageAnswer::Yes});
    ASSERT_TRUE(session.NewProject(Folder("a/b/p")));
    EXPECT_FALSE(session.Modified);
    EXPECT_NE(TextOf(OnDisk(Folder("a/b/p"))->Settings->WindowTitle), "changed");
    EXPECT_TRUE(fs::is_directory(Folder("a/b/p/res/keep")));
}

// A reload saves first and reopens; only the test mode starts like the runtime.
TEST_F(ProjectSessionTest, ReloadSavesAndReopens) {
    OpenModified("p");
    const int changes = view.changes;
    session.SetModified(true);  // marked twice, starred once
    EXPECT_EQ(view.title, ProjectTitle(Folder("p")) + "*");
    EXPECT_EQ(view.changes, changes + 1);
    WriteBytes(Folder("p/res/start.wav"), "RIFF");
    session.GetInstallerWnd()->Settings->StartupWaveFile = "res\\start.wav";
    for (bool test : {false, true, true}) {
        host.services.sounds.clear();
        session.ReloadProject(test);
        ASSERT_NE(session.GetInstallerWnd(), nullptr);
        EXPECT_EQ(TextOf(OnDisk(Folder("p"))->Settings->WindowTitle), "changed");
        EXPECT_FALSE(session.Modified);
        EXPECT_EQ(view.title, ProjectTitle(Folder("p")));  // the star gone, the title kept
        EXPECT_EQ(host.services.sounds.size(), test ? 1u : 0u);
        EXPECT_EQ(session.GetInstallerWnd()->AnnimationDone, test ? 0 : 1);
    }
    EXPECT_TRUE(Said().empty());
}

// The refresh reuses the pictures whose files did not change, and reads again
// those that did; closing the project lets them all go.
TEST_F(ProjectSessionTest, RefreshDecodesOnlyChangedPicturesAndCloseReleasesThem) {
    bench::Project project(3, false, false);  // background and logos 0 to 2
    const std::string res = project.Dir() + "res/";
    ASSERT_TRUE(session.OpenProject(project.Dir(), false));
    LaunchSettings* s = session.GetInstallerWnd()->Settings.get();
    // Held here, so that a picture decoded again cannot reuse the address.
    const std::shared_ptr<platform::Bitmap> held[] = {s->BackgroundBitmap, s->LogoBitmap[0],
                                                      s->LogoBitmap[1], s->LogoBitmap[2]};
    EXPECT_EQ(session.Pictures().Size(), 4u);

    // Logo 1 rewritten at its size with a later time, logo 2 at another size.
    bench::WriteBmp(res + "logo1.bmp", 200, 150, 77);
    fs::last_write_time(res + "logo1.bmp",
                        fs::last_write_time(res + "logo1.bmp") + std::chrono::seconds(5));
    bench::WriteBmp(res + "logo2.bmp", 100, 150, 2);
    session.ReloadProject(false);
    s = session.GetInstallerWnd()->Settings.get();
    const bool reused[] = {s->BackgroundBitmap == held[0], s->LogoBitmap[0] == held[1],
                           s->LogoBitmap[1] == held[2], s->LogoBitmap[2] == held[3]};
    EXPECT_EQ(std::vector<bool>(reused, reused + 4), (std::vector<bool>{true, true, false, false}));
    EXPECT_EQ(s->LogoWidth[2], 100);
    EXPECT_EQ(session.Pictures().Size(), 4u) << "the replaced pictures are let go";

    session.CloseProject();
    EXPECT_EQ(session.Pictures().Size(), 0u);
}

// The pictures decoded ahead on another thread are taken while their files are
// as they were: one rewritten since is decoded again, and a broken one is left
// to the open, which says so as it always does.
TEST_F(ProjectSessionTest, PicturesDecodedAheadAreTakenWhileTheirFilesAreUnchanged) {
    bench::Project project(2, false, false);
    const std::string res = project.Dir() + "res/";
    // The background, then the logos.
    const std::vector<PictureCache::Decoded> ahead =
        PicturesAhead(project.Dir(), host.graphics, host.system).Take();
    ASSERT_EQ(ahead.size(), 3u);
    bench::WriteBmp(res + "logo1.bmp", 100, 150, 2);
    session.ExpectOpen(project.Dir(), [&] { return ahead; });
    ASSERT_TRUE(session.OpenProject(project.Dir(), false));
    const LaunchSettings& s = *session.GetInstallerWnd()->Settings;
    EXPECT_EQ(s.BackgroundBitmap, ahead[0].bitmap);
    EXPECT_EQ(s.LogoBitmap[0], ahead[1].bitmap);
    EXPECT_EQ(s.LogoWidth[1], 100);

    WriteBytes(res + "back.bmp", "BM broken");
    PicturesAhead broken(project.Dir(), host.graphics, host.system);
    session.ExpectOpen(project.Dir(), [&] { return broken.Take(); });
    EXPECT_FALSE(session.OpenProject(project.Dir(), false));
    const Messages said = Said();
    EXPECT_FALSE(session.OpenProject(project.Dir(), false));
    ASSERT_EQ(said.size(), 1u);
    EXPECT_EQ(Said(), (Messages{said[0], said[0]})) << said[0];
}

// Opening names each picture or sound the menu needs and the folder lacks,
// once: a name found in another letter case is there, as the runtime finds it.
TEST_F(ProjectSessionTest, OpenNamesTheMenuFilesThatAreMissing) {
    bench::Project project(3, false, false);
    const std::string res = project.Dir() + "res/";
    fs::remove(res + "logo1.bmp");
    fs::rename(res + "logo2.bmp", res + "LOGO2.BMP");
    CInstallerWnd wnd(project.Dir());
    ASSERT_TRUE(wnd.LoadSettings());
    wnd.Settings->HotSpotWaveFile = "res\\hover.wav";
    ASSERT_TRUE(wnd.SaveSettings());

    session.OpenProject(project.Dir(), false);
    EXPECT_EQ(Said(), Messages{"The menu needs these files, which the project folder does not "
                               "hold; without a picture the disc's menu will not start:\n"
                               "res\\logo1.bmp (logo 2)\n"
                               "res\\hover.wav (link sound)"});
    session.ReloadProject(false);
    EXPECT_EQ(Said().size(), 1u);
}

// A save that fails keeps the edit: the refresh after an edit, Test Project,
// Save and the save question all leave it in memory, marked, and the preview
// shows it rather than the old file.
TEST_F(ProjectSessionTest, FailedSaveKeepsTheEditMarkedAndShown) {
    ASSERT_TRUE(session.NewProject(Folder("p")));
    // A folder where the file goes: every save fails, whoever runs the test.
    fs::remove(Folder("p/AppSetup.dat"));
    fs::create_directory(Folder("p/AppSetup.dat"));
    auto state = [&] {
        const CInstallerWnd* p = session.GetInstallerWnd();
        const std::string text = "modified " + std::to_string(session.Modified) + ", star " +
                                 std::to_string(view.title.back() == '*') + ", links " +
                                 (p ? std::to_string(p->Settings->NumberOfHotSpots) : "-") +
                                 ", shown " + std::to_string(p && p->Wnd && p->Wnd->IsWindow()) +
                                 ", started " + std::to_string(p && !p->AnnimationDone) +
                                 ", messages " + std::to_string(Said().size());
        host.services.messages.clear();
        return text;
    };
    // The tree's Insert: one more link, marked, then the queued refresh.
    LaunchSettings& s = *session.GetInstallerWnd()->Settings;
    s.HotSpotText[0] = "Read me";
    s.HotSpotCommand[0] = "QUIT";
    s.NumberOfHotSpots = 1;
    session.SetModified(true);
    session.ReloadProject(false);
    EXPECT_EQ(state(), "modified 1, star 1, links 1, shown 1, started 0, messages 1");
    session.ReloadProject(true);
    EXPECT_EQ(state(), "modified 1, star 1, links 1, shown 1, started 1, messages 1");
    EXPECT_FALSE(session.SaveProject());
    EXPECT_EQ(Said(), Messages{"Failed to create the INI file!\n"});
    EXPECT_EQ(state(), "modified 1, star 1, links 1, shown 1, started 1, messages 1");
    host.services.ScriptAnswers({MessageAnswer::Yes});
    EXPECT_FALSE(session.PromptSave());
    EXPECT_EQ(state(), "modified 1, star 1, links 1, shown 1, started 1, messages 2");
    // Opening another asks, and its save fails again: the project stays.
    host.services.ScriptAnswers({MessageAnswer::Yes});
    EXPECT_FALSE(session.OpenProject(Folder("p/"), false));
    EXPECT_EQ(state(), "modified 1, star 1, links 1, shown 1, started 1, messages 2");
    host.services.ScriptAnswers({MessageAnswer::No});
    EXPECT_TRUE(session.PromptSave());
}

// A face with no widgets: dialogs answer from `dialog`, posted calls wait for Pump().
struct FakeFace : EditorFace {
    void Post(std::function<void()> call) override { posted.push_back(std::move(call)); }
    void Pump() {
        while (!posted.empty()) {
            auto call = std::move(posted.front());
            posted.pop_front();
            call();
        }
    }
    platform::Window* PreviewParent() override { return pane; }
    bool PreviewHasFocus() const override { return false; }
    void FocusPreview() override {}
    void SwitchPane() override {}
    std::string FrameTitle() const override { return title; }
    void SetFrameTitle(const std::string& t) override { title = t; }
    void ShowTree(const std::vector<TreeRow>& r, TemplateNode select) override {
        rows = r;
        selected = select;
    }
    void SelectInTree(TemplateNode node) override { selected = node; }
    TemplateNode TreeSelection() const override { return selected; }
    void ShowRecentList(const std::vector<std::string>& texts) override { recent = texts; }
    bool RunWizard(WizardChoice* choice) override {
        return (choice->showAtStartup = false, ++wizards > 0);
    }
    bool AskNewProjectFolder(const std::string&, std::string* f) override {
        return (*f = folder, true);
    }
    bool AskProjectFolder(std::string* f) override { return (*f = folder, true); }
    bool RunPropertyDialog(ItemDialog d, int index, const LiveHook&) override {
        return dialog && dialog(d, index);
    }
    void ShowAbout() override {}
    void ShowHelp(const std::string&) override {}
    void CloseFrame() override {}

    platform::Window* pane = nullptr;
    std::deque<std::function<void()>> posted;
    std::string title, folder;
    std::vector<TreeRow> rows;
    TemplateNode selected;
    std::vector<std::string> recent;
    std::function<bool(ItemDialog, int)> dialog;
    int wizards = 0;
};

// The controller in the same pane, with a face that answers its dialogs.
class EditorControllerTest : public ProjectSessionTest {
  protected:
    std::vector<std::string> Texts(NodeKind kind) const {
        std::vector<std::string> texts;
        for (const TreeRow& row : face.rows)
            if (row.node.kind == kind) texts.push_back(row.text);
        return texts;
    }
    void InsertLinks(std::initializer_list<const char*> names, int x) {
        for (const char* name : names) {
            face.dialog = [&, name, x](ItemDialog, int i) {
                LaunchSettings& s = *editor->Project()->Settings;
                s.HotSpotText[i] = std::string(name);
                s.HotSpotRect[i].left = x;
                s.HotSpotRect[i].top = 40 * i + 20;
                return true;
            };
            face.selected = {NodeKind::HyperlinkCategory, 0};
            editor->TreeKey(face.selected, {editor_keys::Insert, 0});
            face.Pump();
        }
    }
    bool Enabled(int id) const { return editor->StateOf(id).enabled; }

    FakeFace face;
    std::unique_ptr<EditorController> editor;
    void SetUp() override {
        face.pane = pane.get();
        face.folder = Folder("docs/Disc/");
        editor = std::make_unique<EditorController>(
            face, EditorOptions{Folder("bin/"), Folder("store.conf"), "", nullptr, '/'});
    }
};

TEST_F(EditorControllerTest, OneSessionOfCommands) {
    // Nothing open: only what needs no project.
    editor->Start();
    EXPECT_EQ(face.wizards, 1);
    for (int id : {ID_SAVE_PROJECT, ID_BUILD_PROJECT, ID_TEST_PROJECT, ID_COPY_PROJECT,
                   ID_MAKE_DISC_IMAGE, ID_ARRANGE_ITEMS, ID_UNDO, ID_REDO, ID_MOVE_DOWN})
        EXPECT_FALSE(Enabled(id)) << id;
    // The wizard's New runs from the loop; its answer is kept.
    face.Pump();
    ASSERT_NE(editor->Project(), nullptr);
    EXPECT_EQ(ReadPreference(editor->Settings(), Preference::ShowWizard), 0);
    EXPECT_EQ(face.recent, std::vector<std::string>{"&1 " + face.folder});

    // Two links through Insert, a third left outside the window; each saved by the refresh.
    InsertLinks({"Install", "Read me"}, 40);
    InsertLinks({"Far"}, 700);
    EXPECT_EQ(OnDisk(face.folder)->Settings->NumberOfHotSpots, 3);
    const std::string far = ItemLabel("Far", true);
    EXPECT_EQ(Texts(NodeKind::Hyperlink), (Messages{"Install", "Read me", far}));
    EXPECT_TRUE(face.rows.back().outside);
    EXPECT_FALSE(Enabled(ID_SAVE_PROJECT));

    // Move Down keeps the moved link picked; Undo names the step and puts it back.
    face.selected = {NodeKind::Hyperlink, 0};
    EXPECT_FALSE(Enabled(ID_MOVE_UP));
    editor->Run(ID_MOVE_DOWN);
    face.Pump();
    EXPECT_EQ(Texts(NodeKind::Hyperlink), (Messages{"Read me", "Install", far}));
    EXPECT_EQ(face.selected, (TemplateNode{NodeKind::Hyperlink, 1}));
    EXPECT_TRUE(Enabled(ID_MOVE_UP) && Enabled(ID_MOVE_DOWN));
    EXPECT_EQ(editor->LabelOf(ID_UNDO), "&Undo Move Link Down");
    EXPECT_FALSE(Enabled(ID_REDO));
    editor->Run(ID_UNDO);
    face.Pump();
    EXPECT_TRUE(Enabled(ID_REDO));
    EXPECT_EQ(TextOf(OnDisk(face.folder)->Settings->HotSpotText[0]), "Install");

    // A refresh asked for while a dialog is up waits for it; Cancel changes nothing.
    face.dialog = [&](ItemDialog d, int) {
        EXPECT_EQ(d, ItemDialog::Background);
        editor->Changed(true);
        face.Pump();
        EXPECT_TRUE(editor->RefreshQueued());
        // Nothing acts on the nodes the refresh will remake (a held Delete key).
        EXPECT_FALSE(editor->ItemMenuOf({NodeKind::HyperlinkCategory, 0}).show);
        EXPECT_FALSE(editor->DeleteItem({NodeKind::Hyperlink, 0}));
        EXPECT_TRUE(host.services.messages.empty()) << "asked about a node being remade";
        return false;
    };
    editor->RunItemCommand({NodeKind::Background, 0}, ID_PROPERTIES_ITEM);
    face.Pump();
    EXPECT_FALSE(editor->RefreshQueued());

    // Build asks about the link outside; No builds nothing and Copy stays greyed.
    host.services.ScriptAnswers({MessageAnswer::No});
    editor->Run(ID_BUILD_PROJECT);
    EXPECT_EQ(host.services.messages, Messages{"These items reach outside the menu window, so "
                                               "the disc will not show all of them:\n\nFar\n\n"
                                               "Build the project anyway?"});
    EXPECT_FALSE(Enabled(ID_COPY_PROJECT));
    // Delete it (Yes), then Build runs through, counts what it removed, lists
    // it at Yes, and Copy opens the folder.
    host.services.ScriptAnswers({MessageAnswer::Yes, MessageAnswer::Yes, MessageAnswer::Yes});
    editor->TreeKey({NodeKind::Hyperlink, 2}, {editor_keys::Delete, 0});
    face.Pump();
    EXPECT_FALSE(Enabled(ID_REDO)) << "a new step ends what could be redone";
    std::filesystem::create_directories(Folder("bin"));
    sandbox::WriteBytes(Folder("bin/Velomar.exe"), "MZ");
    sandbox::WriteBytes(face.folder + "res/old.bmp", "BM");
    editor->Run(ID_BUILD_PROJECT);
    const Messages said(host.services.messages.end() - 3, host.services.messages.end());
    EXPECT_EQ(said, (Messages{"Project successfully built.\n\nRemoved 1 file from res; kept 0 "
                              "only because a link uses them.\n\n" +
                                  std::string(SEE_LIST_QUESTION),
                              "Removed res\\old.bmp", OPEN_FOLDER_QUESTION}));
    EXPECT_TRUE(Enabled(ID_COPY_PROJECT));
    EXPECT_EQ(host.services.shellCalls.size(), 1u);
    fs::remove(Folder("bin/Velomar.exe"));  // a failed build leaves nothing to copy
    editor->Run(ID_BUILD_PROJECT);
    EXPECT_FALSE(Enabled(ID_COPY_PROJECT));
    editor->Changed(false);

    // Arrange picks the tree's link; the wizard toggle is stored at once.
    face.selected = {NodeKind::Hyperlink, 1};
    editor->Run(ID_ARRANGE_ITEMS);
    EXPECT_TRUE(editor->StateOf(ID_ARRANGE_ITEMS).checked);
    EXPECT_EQ(editor->Arrange().Selection(), face.selected);
    editor->Run(ID_WIZARD_AT_STARTUP);
    EXPECT_EQ(ReadPreference(editor->Settings(), Preference::ShowWizard), 1);

    // Closing keeps the layout unless minimised, and saves at Yes.
    host.services.ScriptAnswers({MessageAnswer::Yes});
    editor->FrameClosing({{5, 6, 905, 566}, 300}, false);
    EXPECT_EQ(host.services.messages.back(),
              "Would you like to save the current project:\n\n" + face.folder + " ?");
    EXPECT_EQ(TextOf(OnDisk(face.folder)->Settings->HotSpotText[0]), "Install");
    EXPECT_EQ(OnDisk(face.folder)->Settings->NumberOfHotSpots, 2);
    const FrameLayout kept = ReadFrameLayout(editor->Settings());
    EXPECT_EQ(kept.frame.right, 905);
    EXPECT_EQ(kept.treeWidth, 300);
    EditorController(face, EditorOptions{"", Folder("store.conf")}).FrameClosing({}, true);
    EXPECT_EQ(ReadFrameLayout(editor->Settings()).frame.right, 905) << "a minimised size kept";
}

// The recent list opens the entry picked by its place; one gone since leaves the list.
TEST_F(EditorControllerTest, PickingARecentProject) {
    for (const char* name : {"one/", "two/", "three/"}) {
        face.folder = Folder(name);
        editor->Run(ID_NEW_PROJECT);
    }
    const std::string one = Folder("one/"), two = Folder("two/"), three = Folder("three/");
    editor->Run(ID_RECENT_FIRST + 2);
    EXPECT_EQ(editor->Project()->ProjectFolder, one);
    EXPECT_EQ(face.recent, (Strings{"&1 " + one, "&2 " + three, "&3 " + two}));
    RecentProjects(editor->Settings()).Add(two);  // by another window, after the menu was made
    fs::remove_all(three);
    editor->Run(ID_RECENT_FIRST + 1);
    EXPECT_EQ(editor->Project()->ProjectFolder, one);
    EXPECT_EQ(face.recent, (Strings{"&1 " + two, "&2 " + one}));
    EXPECT_EQ(Said().size(), 1u);
}

// The tables the faces are made from: every command a menu or the toolbar
// shows is in the table, no key stands for two commands and the guide's key
// table names every key; the menu's place in the preview.
TEST(EditorTablesTest, CommandsKeysAndPlaces) {
    std::set<int> listed;
    for (const MenuLayout& menu : MenuBar()) listed.insert(menu.ids.begin(), menu.ids.end());
    listed.insert(ToolbarButtons().begin(), ToolbarButtons().end());
    listed.erase(0);
    for (int id : listed) EXPECT_NE(FindCommand(id), nullptr) << id;
    const auto guide = ReadBytes(VELOMAR_SOURCE_DIR "/resources/VelomarForge User Guide.htm");
    const std::size_t table = guide.find("<th>Keys</th>"), end = guide.find("</table>", table);
    EXPECT_EQ(std::string(PromptOf(ID_RECENT_LAST)) + "|" + PromptOf(ID_RECENT_SEPARATOR),
              std::string(RECENT_PROMPT) + "|" + IDLE_PROMPT);
    std::set<std::pair<int, int>> keys;
    for (const KeyBinding& k : FrameKeys()) {
        const std::string text = ShortcutText(k.keys);
        EXPECT_TRUE(keys.insert({k.keys.key, k.keys.mods}).second) << text;
        EXPECT_TRUE(InMenuBar(k.id) || k.keys.key == editor_keys::F6) << text << " is in no menu";
        EXPECT_LT(guide.find("<kbd>" + text + "</kbd>", table), end)
            << text << " is not in the guide";
    }
    EXPECT_EQ(PreviewPlace(800, 500), (platform::Rect{80, 30, 720, 470}));
    EXPECT_EQ(PreviewPlace(600, 441), (platform::Rect{0, 0, 640, 440}));
    EXPECT_EQ(TreeKeyCommand({editor_keys::Delete, editor_keys::Ctrl}), 0) << "the tree's own";
}

// The New Project dialog: the location follows the name until the user types
// one, which is then the parent; Browse returns to following.
TEST(NewProjectPath, LocationNameAndFolder) {
    const std::pair<std::vector<std::pair<char, std::string>>, std::string> cases[] = {
        // Steps: 'n'ame typed, 'l'ocation typed, 'b'rowsed; then location | folder.
        {{}, "C:\\P\\Project1 | C:\\P\\Project1"},
        {{{'n', "D"}, {'n', "De"}, {'n', "Demo"}}, "C:\\P\\Demo | C:\\P\\Demo"},
        {{{'l', "D:\\CD"}, {'n', "Demo"}}, "D:\\CD | D:\\CD\\Demo"},
        {{{'n', "Demo"}, {'l', "X:\\"}, {'b', "E:\\"}}, "E:\\Demo | E:\\Demo"},
        {{{'b', "E:\\M"}, {'n', "Summer"}}, "E:\\M\\Summer | E:\\M\\Summer"},
        // After the name was cleared, the parent stays: only the name changes.
        {{{'n', ""}, {'n', "N"}, {'n', "New"}}, "C:\\P\\New | C:\\P\\New"},
    };
    for (const auto& [steps, expected] : cases) {
        NewProjectPath path;
        path.Separator = '\\';
        path.Open("C:\\P");
        for (const auto& [kind, text] : steps) {
            if (kind == 'n') path.NameChanged(text);
            if (kind == 'l') path.LocationTyped(text);
            if (kind == 'b') path.Browsed(text);
        }
        EXPECT_EQ(path.Location + " | " + path.ProjectFolder(), expected);
    }
    NewProjectPath plain;  // following, with no separator to find a parent by
    plain.Location = "plain";
    plain.NameChanged("Demo");
    EXPECT_EQ(plain.ProjectFolder(), "plain");

    // Typed one key at a time, the folder is the location's parent plus the
    // name, and OK refuses a name with a separator.
    ProjectSandbox box;
    for (const std::string name : {"Demo", "a/b", "/home/u/Velomar Projects/x/y", "a\\b"}) {
        box.services.messages.clear();
        NewProjectPath path;
        path.Open(DefaultProjectsFolder("/d", '/'));
        path.NameChanged("");
        for (std::size_t n = 1; n <= name.size(); ++n) path.NameChanged(name.substr(0, n));
        EXPECT_EQ(path.ProjectFolder(), "/d/Velomar Projects/" + name);
        const bool ok = name == "Demo";
        EXPECT_EQ(path.CheckName(), ok) << name;
        EXPECT_EQ(box.services.messages, ok ? Messages{} : Messages{NAME_HAS_SEPARATOR});
    }
}

// Only a regular file of bounded size is read, without blocking; a store that
// is damaged or far too large is kept aside, byte for byte, and reads as empty.
TEST(SettingsStoreFile, OnlyABoundedRegularFileIsRead) {
    ::alarm(30);  // a FIFO or a device must end in a failure, not a hang
    ProjectSandbox box;
    const std::string store = box.folder.File("store/VelomarForge.conf");
    std::string valid = "# VelomarForge settings\n[Frame Layout]\nd SizeX=1234\n";
    const std::string damaged = valid + "x broken line\n",
                      huge = valid + std::string(CRegSettings::MAX_STORE_BYTES, '#');
    const struct {
        const char* what;
        std::function<void()> make;
        std::uint32_t sizeX;      // what GetInt answers
        std::string keptAside;    // the bytes of store + ".damaged"
        std::string secondAside;  // of store + ".damaged.2"
    } cases[] = {
        {"good store", [&] { WriteBytes(store, valid); }, 1234, "", ""},
        {"FIFO", [&] { ASSERT_EQ(::mkfifo(store.c_str(), 0600), 0); }, 950, "", ""},
        {"link to /dev/zero", [&] { fs::create_symlink("/dev/zero", store); }, 950, "", ""},
        {"damaged", [&] { WriteBytes(store, damaged); }, 950, damaged, ""},
        {"too large", [&] { WriteBytes(store, huge); }, 950, huge, ""},
        {"damaged twice",
         [&] {
             WriteBytes(store + ".damaged", "earlier");
             WriteBytes(store, damaged);
         },
         950, "earlier", damaged},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(box.folder.File("store"));
        fs::create_directory(box.folder.File("store"));
        c.make();
        CRegSettings settings(PREFERENCES_KEY, store);
        EXPECT_EQ(settings.GetInt("Frame Layout", "SizeX", 950), c.sizeX);
        EXPECT_EQ(ReadBytes(store + ".damaged"), c.keptAside);
        EXPECT_EQ(ReadBytes(store + ".damaged.2"), c.secondAside);
    }
    // The first default is stored: a second reader sees it.
    EXPECT_EQ(CRegSettings(PREFERENCES_KEY, store).GetInt("Frame Layout", "SizeX", 1), 950u);
    ::alarm(0);
}

TEST(RecentList, NewestFirstOnceAtMostEightKeptWholeAndShownSafely) {
    ProjectSandbox box;  // POSIX: letter case tells folders apart
    const Strings eight{"/1/", "/2/", "/3/", "/4/", "/5/", "/6/", "/7/", "/8/"};
    EXPECT_EQ(WithRecentFolder({"/a/", "/b/"}, "/b"), (Strings{"/b", "/a/"}));
    EXPECT_EQ(WithRecentFolder({"/a/"}, "/A/"), (Strings{"/A/", "/a/"}));
    EXPECT_EQ(WithRecentFolder({"/ab/", "/a/"}, "/a"), (Strings{"/a", "/ab/"}));
    EXPECT_EQ(WithRecentFolder({"/a"}, "/ab"), (Strings{"/ab", "/a"}));
    EXPECT_EQ(WithRecentFolder(eight, "/9/"),
              (Strings{"/9/", "/1/", "/2/", "/3/", "/4/", "/5/", "/6/", "/7/"}));
    EXPECT_EQ(RecentMenuText(7, "/Tom & Jerry/"), "&8 /Tom && Jerry/");

    const std::string file = box.folder.File("forge.conf"), a = box.folder.File("a/");
    fs::create_directory(a);
    WriteBytes(a + "AppSetup.dat", "[English]\n");
    CRegSettings store(PREFERENCES_KEY, file);
    for (std::size_t i = 0; i < eight.size(); ++i)
        store.SetString(RecentProjects::SECTION, "Project" + std::to_string(i + 1), eight[i]);
    RecentProjects recent(store);
    recent.Add(std::string(CRegSettings::MAX_TEXT + 1, 'x'));  // would be kept cut short
    recent.Add("/line\nbreak/");
    EXPECT_EQ(recent.Folders(), eight) << "neither pushed the oldest out";
    store.SetString(RecentProjects::SECTION, "Project2", "/1");  // a hand-edited repeat
    recent.Add(a);
    CRegSettings again(PREFERENCES_KEY, file);
    Strings after{a, "/1/", "/3/", "/4/", "/5/", "/6/", "/7/", "/8/"};
    EXPECT_EQ(RecentProjects(again).Folders(), after);
    fs::create_hard_link(file, file + ".seen");  // a value stored already: no rewrite
    EXPECT_TRUE(store.SetString(RecentProjects::SECTION, "Project1", a));
    EXPECT_TRUE(fs::equivalent(file, file + ".seen"));
    EXPECT_TRUE(recent.StillThere(a));
    fs::remove_all(a);
    EXPECT_FALSE(recent.StillThere(a));
    ASSERT_EQ(box.services.messages.size(), 1u);
    EXPECT_NE(box.services.messages[0].find(a), std::string::npos);
    after.erase(after.begin());
    EXPECT_EQ(RecentProjects(again).Folders(), after);
    EXPECT_EQ(again.GetString(RecentProjects::SECTION, "Project8", "?"), "") << "left the store";

    // Edited by hand: CR LF line ends are read, an entry longer than the store
    // holds is left out, not cut; names never reach the menu with controls or
    // the marks that turn text around.
    fs::remove(file);
    WriteBytes(file, "# edited\r\n[Recent Projects]\r\ns Project1=/" +
                         std::string(CRegSettings::MAX_TEXT, 'x') + "\r\ns Project2=/crlf/\r\n");
    CRegSettings edited(PREFERENCES_KEY, file);
    EXPECT_EQ(RecentProjects(edited).Folders(), Strings{"/crlf/"});
    EXPECT_FALSE(fs::exists(file + ".damaged"));

    const std::pair<std::string, std::string> labels[] = {
        {"/a\tb\x7F/", "&1 /a\\x09b\\x7F/"},
        {"/home/\xE2\x80\xAE"
         "exe.txt/",
         "&1 /home/\\u202Eexe.txt/"},  // RLO
        {"/\xE2\x81\xA6x\xE2\x80\x8F\xC2\x85/",
         "&1 /\\u2066x\\u200F\\u0085/"},                       // isolate, RLM, NEL
        {"/caf\xC3\xA9 & \xE9/", "&1 /caf\xC3\xA9 && \xE9/"},  // letters, ANSI bytes
    };
    for (const auto& [folder, label] : labels) EXPECT_EQ(RecentMenuText(0, folder), label);
}

TEST(CompanionFiles, StartFolderAndHelp) {
    TempFolder temp;
    for (const char* dir : {"build/bin", "usr/bin", "usr/share/velomar"})
        fs::create_directories(temp.File(dir));
    WriteBytes(temp.File("build/bin/Velomar.exe"), "MZ");
    WriteBytes(temp.File("usr/share/velomar/VelomarForge User Guide.htm"), "<html>");
    EXPECT_EQ(FindStartFolder(temp.File("build/bin")), temp.File("build/bin/"));
    EXPECT_EQ(FindStartFolder(temp.File("usr/bin/")), temp.File("usr/share/velomar/"));
    fs::remove_all(temp.File("usr/share"));
    EXPECT_EQ(FindStartFolder(temp.File("usr/bin")), temp.File("usr/bin/"));

    // Help opens the guide at its topic; when the shell fails on that, the
    // document itself; when that fails too, one message that says what to install.
    EXPECT_EQ(UserGuideUrl("/a b/ü#", "_Audio"),
              "file:///a%20b/%C3%BC%23/VelomarForge%20User%20Guide.htm#_Audio");
    EXPECT_EQ(UserGuideUrl("/", ""), "file:///VelomarForge%20User%20Guide.htm");
    const std::string url = "file:///opt/vf/VelomarForge%20User%20Guide.htm#_Audio";
    const std::string path = "/opt/vf/VelomarForge User Guide.htm";
    const Strings none, once{url}, twice{url, path}, told{HelpNotOpenedMessage(path)};
    const struct {
        int failures;
        const Strings& opened;
        const Strings& messages;
    } cases[] = {{0, once, none}, {1, twice, none}, {2, twice, told}};
    for (const auto& c : cases) {
        platform::HeadlessPlatform host;
        host.services.shellFailures = c.failures;
        ShowHelp("/opt/vf", "_Audio");
        Strings opened;
        for (const auto& call : host.services.shellCalls) opened.push_back(call.file);
        EXPECT_EQ(opened, c.opened) << c.failures;
        EXPECT_EQ(host.services.messages, c.messages) << c.failures;
    }
    EXPECT_NE(told[0].find("xdg-utils"), std::string::npos);

    // The Windows editor's Help fills in the ".htm" association's open command:
    // the guide's path, spaces and all, arrives as one argument.
    const std::string guide = R"(C:\V F\VelomarForge User Guide.htm#_Background_Image)";
    const std::string quoted = '"' + guide + '"';
    const struct {
        const char* command;
        std::string parameters;  // "-" when the command names no program
    } commands[] = {
        {R"("C:\Web\b.exe" "%1")", quoted},
        {R"("C:\Web\b.exe" -osint -url %1 %*)", "-osint -url " + quoted},
        {R"("C:\Web\b.exe" /x "file:%L")", "/x \"file:" + guide + '"'},
        {R"("C:\Web\b.exe" -home)", "-home " + quoted},
        {R"(C:\Web\b.exe "%1")", "-"},
        {R"("C:\Web\b.exe %1)", "-"},
    };
    for (const auto& c : commands) {
        std::string program, parameters = "-";
        const bool filled = FillOpenCommand(c.command, guide, &program, &parameters);
        EXPECT_EQ(parameters, c.parameters) << c.command;
        EXPECT_EQ(program, filled ? R"(C:\Web\b.exe)" : "") << c.command;
    }
}

}  // namespace
