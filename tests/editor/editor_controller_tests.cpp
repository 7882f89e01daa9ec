// The editor controller driven as both faces drive it, on the headless host:
// one script of commands through a face that answers the dialogs, checked on
// the saved AppSetup.dat, the tree the face was given and the command states;
// and the tables the faces make their widgets from.
#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <set>

#include "../support/project_sandbox.h"
#include "editor/editor_controller.h"
#include "editor/item_layout.h"
#include "editor/project_build.h"
#include "platform/headless/headless_platform.h"

namespace {

using platform::MessageAnswer;
using Messages = std::vector<std::string>;

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

class EditorControllerTest : public ::testing::Test {
  protected:
    std::vector<std::string> Texts(NodeKind kind) const {
        std::vector<std::string> texts;
        for (const TreeRow& row : face.rows)
            if (row.node.kind == kind) texts.push_back(row.text);
        return texts;
    }
    std::unique_ptr<CInstallerWnd> OnDisk() {
        auto stored = std::make_unique<CInstallerWnd>(face.folder);
        EXPECT_TRUE(stored->LoadSettings());
        return stored;
    }
    // Each new link takes the next text of `names` at its place.
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

    platform::HeadlessPlatform host{platform::HeadlessOptions{{1024, 768}, false}};
    sandbox::TempFolder temp;
    std::unique_ptr<platform::Window> pane = [this] {
        platform::WindowParams params;
        params.style = platform::ws::Popup | platform::ws::Visible;
        params.width = 800;
        params.height = 500;
        return host.windows.CreateHostWindow(params, nullptr);
    }();
    FakeFace face;
    std::unique_ptr<EditorController> editor;
    void SetUp() override {
        face.pane = pane.get();
        face.folder = temp.File("docs/Disc/");
        editor = std::make_unique<EditorController>(
            face,
            EditorOptions{temp.File("bin/"), temp.File("store.conf"), "", temp.File("docs"), '/'});
    }
};

TEST_F(EditorControllerTest, OneSessionOfCommands) {
    // Nothing open: only what needs no project.
    editor->Start();
    EXPECT_EQ(face.wizards, 1);
    for (int id : {ID_SAVE_PROJECT, ID_BUILD_PROJECT, ID_TEST_PROJECT, ID_COPY_PROJECT,
                   ID_ARRANGE_ITEMS, ID_UNDO, ID_MOVE_DOWN})
        EXPECT_FALSE(Enabled(id)) << id;
    // The wizard's New runs from the loop; its answer is kept.
    face.Pump();
    ASSERT_NE(editor->Project(), nullptr);
    EXPECT_EQ(ReadPreference(editor->Settings(), Preference::ShowWizard), 0);
    EXPECT_EQ(face.recent, std::vector<std::string>{"&1 " + face.folder});
    EXPECT_EQ(Texts(NodeKind::Hyperlink).size(), 0u);

    // Two links through Insert, a third left outside the window; each saved by the refresh.
    InsertLinks({"Install", "Read me"}, 40);
    InsertLinks({"Far"}, 700);
    EXPECT_EQ(OnDisk()->Settings->NumberOfHotSpots, 3);
    const std::string far = ItemLabel("Far", true);
    EXPECT_EQ(Texts(NodeKind::Hyperlink), (Messages{"Install", "Read me", far}));
    EXPECT_TRUE(face.rows.back().outside);
    EXPECT_FALSE(face.rows[RowOf(face.rows, {NodeKind::Hyperlink, 0})].outside);
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
    editor->Run(ID_UNDO);
    face.Pump();
    EXPECT_EQ(TextOf(OnDisk()->Settings->HotSpotText[0]), "Install");
    EXPECT_EQ(editor->LabelOf(ID_REDO), "&Redo Move Link Down");

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
    EXPECT_EQ(host.services.messages.size(), 1u);
    EXPECT_NE(host.services.messages[0].find("Far"), std::string::npos);
    EXPECT_FALSE(Enabled(ID_COPY_PROJECT));
    // Delete it (Yes), then Build runs through and Copy opens the folder.
    host.services.ScriptAnswers({MessageAnswer::Yes, MessageAnswer::Yes});
    editor->TreeKey({NodeKind::Hyperlink, 2}, {editor_keys::Delete, 0});
    face.Pump();
    std::filesystem::create_directories(temp.File("bin"));
    sandbox::WriteBytes(temp.File("bin/Velomar.exe"), "MZ");
    editor->Run(ID_BUILD_PROJECT);
    EXPECT_EQ(host.services.messages.back(), BUILD_DONE_QUESTION);
    EXPECT_TRUE(Enabled(ID_COPY_PROJECT));
    EXPECT_EQ(host.services.shellCalls.size(), 1u);
    editor->Changed(false);
    EXPECT_FALSE(Enabled(ID_COPY_PROJECT));

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
    EXPECT_EQ(TextOf(OnDisk()->Settings->HotSpotText[0]), "Install");
    EXPECT_EQ(OnDisk()->Settings->NumberOfHotSpots, 2);
    const FrameLayout kept = ReadFrameLayout(editor->Settings());
    EXPECT_EQ(kept.frame.right, 905);
    EXPECT_EQ(kept.treeWidth, 300);
    EditorController(face, EditorOptions{"", temp.File("store.conf")}).FrameClosing({}, true);
    EXPECT_EQ(ReadFrameLayout(editor->Settings()).frame.right, 905) << "a minimised size kept";
}

// The tables the faces are made from: every command a menu or the toolbar
// shows is in the table, no key stands for two commands, the tree's keys and
// the menu's place in the preview.
TEST(EditorTablesTest, CommandsKeysAndPlaces) {
    std::set<int> listed;
    for (const MenuLayout& menu : MenuBar()) listed.insert(menu.ids.begin(), menu.ids.end());
    listed.insert(ToolbarButtons().begin(), ToolbarButtons().end());
    listed.erase(0);
    for (int id : listed) EXPECT_NE(FindCommand(id), nullptr) << id;
    std::set<std::pair<int, int>> keys;
    for (const KeyBinding& k : FrameKeys())
        EXPECT_TRUE(keys.insert({k.keys.key, k.keys.mods}).second) << ShortcutText(k.keys);
    EXPECT_EQ(TreeKeyCommand({editor_keys::Down, editor_keys::Alt}), ID_MOVE_DOWN);
    EXPECT_EQ(TreeKeyCommand({editor_keys::Delete, editor_keys::Ctrl}), 0);
    const struct {
        int w, h;
        platform::Rect place;
    } panes[] = {{800, 500, {80, 30, 720, 470}}, {600, 441, {0, 0, 640, 440}}};
    for (const auto& p : panes) EXPECT_EQ(PreviewPlace(p.w, p.h), p.place) << p.w;
}

}  // namespace
