// The template tree's changes to the record: node menus, insert (OK or Cancel) up to the
// limits, delete and move with whole slots, and the undo history of such changes.
#include <gtest/gtest.h>

#include "../support/project_sandbox.h"
#include "editor/command_ids.h"
#include "editor/edit_history.h"
#include "editor/template_edit.h"

namespace {

using namespace sandbox;
using platform::MessageAnswer;
using K = NodeKind;

// Every slot filled (each logo with its own mask colour); tests set the counts.
class TemplateEdit : public ::testing::Test {
  protected:
    TemplateEdit() {
        FillLargestRecord(S());
        for (int i = 0; i < MAX_LOGOS; ++i) S().LogoBitmapMaskColorG[i] = std::uint8_t(i);
    }
    LaunchSettings& S() { return *project->Settings; }
    void Counts(int links, int logos) {
        S().NumberOfHotSpots = links;
        S().NumberOfLogosToDraw = logos;
    }
    // Every stored field of a slot on one line ("-" for an absent text).
    std::string Link(int i) {
        auto t = [](const OwnedString& s) { return s ? *s : "-"; };
        return t(S().HotSpotText[i]) + " " + t(S().HotSpotCommand[i]) + " [" +
               t(S().HotSpotCommandDataA[i]) + "|" + t(S().HotSpotCommandDataB[i]) + "] " +
               std::to_string(S().HotSpotRect[i].left) + "," +
               std::to_string(S().HotSpotRect[i].top);
    }
    std::string Logo(int i) {
        auto n = [](int v) { return std::to_string(v); };
        return (S().LogoBitmapName[i] ? "[" + *S().LogoBitmapName[i] + "]" : "-") + " at " +
               n(S().LogoBitmapLocation[i].x) + " from " + n(S().LogoBitmapAnimateLocation[i].x) +
               " a" + n(S().AnimateLogo[i]) + " r" + n(S().ResizeLogo[i]) + " mask " +
               n(S().LogoBitmapMaskColorR[i]) + "," + n(S().LogoBitmapMaskColorG[i]) + "," +
               n(S().LogoBitmapMaskColorB[i]);
    }

    ProjectSandbox box;
    std::unique_ptr<CInstallerWnd> project = box.NewProject();
};

TEST_F(TemplateEdit, MenusAndDialogsGoByKindNotText) {
    const struct {
        K kind;
        const char* menu;  // shown, then insert, delete, properties
        ItemDialog dialog;
    } cases[] = {
        {K::Root, "----", ItemDialog::None},
        {K::Background, "m--p", ItemDialog::Background},
        {K::Audio, "m--p", ItemDialog::Audio},
        {K::HyperlinkCategory, "mi--", ItemDialog::None},
        {K::Hyperlink, "m-dp", ItemDialog::Hyperlink},
        {K::LogoCategory, "mi--", ItemDialog::None},
        {K::Logo, "m-dp", ItemDialog::Logo},
    };
    S().HotSpotText[0] = "Background Image";  // still a link
    for (const auto& c : cases) {
        const ItemMenu m = MenuFor(project.get(), {c.kind, 0});
        const std::string menu = {m.show ? 'm' : '-', m.Enabled(ID_INSERT_ITEM) ? 'i' : '-',
                                  m.Enabled(ID_DELETE_ITEM) ? 'd' : '-',
                                  m.Enabled(ID_PROPERTIES_ITEM) ? 'p' : '-'};
        EXPECT_EQ(menu, c.menu) << int(c.kind);
        EXPECT_EQ(DialogFor({c.kind, 0}), c.dialog) << int(c.kind);
    }
}

// The next slot gets a new item's defaults for its dialog; Cancel puts back
// whatever the slot held, OK counts it; at 15 the user is told.
TEST_F(TemplateEdit, InsertFillsTheNextSlotAndCountsItOnlyOnOk) {
    Counts(2, MAX_LOGOS - 1);
    const std::string link2 = Link(2), logo14 = Logo(14);
    Strings seen;
    bool ok = false;
    auto dialog = [&](ItemDialog d, int i) {
        seen.push_back(d == ItemDialog::Hyperlink ? Link(i) : Logo(i));
        S().HotSpotText[i] = "typed";
        return ok;
    };
    EXPECT_FALSE(InsertNewItem(project.get(), {K::HyperlinkCategory, 0}, dialog));
    EXPECT_FALSE(InsertNewItem(project.get(), {K::Logo, 0}, dialog));
    EXPECT_EQ(Link(2) + " " + Logo(14), link2 + " " + logo14);
    ok = true;
    EXPECT_TRUE(InsertNewItem(project.get(), {K::Hyperlink, 0}, dialog));
    EXPECT_TRUE(InsertNewItem(project.get(), {K::LogoCategory, 0}, dialog));
    EXPECT_EQ(S().NumberOfHotSpots * 100 + S().NumberOfLogosToDraw, 300 + MAX_LOGOS);
    EXPECT_EQ(TextOf(S().HotSpotText[2]), "typed");
    // Without a window to measure in, both go to the first free place.
    const std::string link = "New Command OPEN [|] 10,10",
                      logo = "[] at 10 from 0 a0 r0 mask 255,0,0";
    EXPECT_EQ(seen, (Strings{link, logo, link, logo}));

    EXPECT_FALSE(InsertNewItem(project.get(), {K::Logo, 3}, dialog));
    Counts(MAX_HOTSPOTS, MAX_LOGOS);
    EXPECT_FALSE(InsertNewItem(project.get(), {K::HyperlinkCategory, 0}, dialog));
    EXPECT_FALSE(InsertNewItem(project.get(), {K::Audio, 0}, dialog));
    EXPECT_FALSE(InsertNewItem(nullptr, {K::HyperlinkCategory, 0}, dialog));
    EXPECT_EQ(seen.size(), 4u);
    EXPECT_EQ(box.services.messages,
              (Strings{"Already reached the maximum number of allowed Bitmaps / Logos.",
                       "Already reached the maximum number of allowed hyperlinks."}));
}

TEST_F(TemplateEdit, DeleteAndMoveTakeWholeSlotsWithAllTheyHold) {
    Counts(3, 3);
    const Strings after = {Link(0), Link(2), "- - [-|-] 0,0",
                           Logo(1), Logo(2), "- at 0 from 0 a0 r0 mask 0,0,0"};
    box.services.ScriptAnswers({MessageAnswer::No, MessageAnswer::Yes, MessageAnswer::Yes});
    EXPECT_FALSE(DeleteTemplateItem(project.get(), {K::Logo, 0}));  // answered No
    EXPECT_TRUE(DeleteTemplateItem(project.get(), {K::Logo, 0}));
    EXPECT_TRUE(DeleteTemplateItem(project.get(), {K::Hyperlink, 1}));
    const std::string askLogo =
        "Are you sure you want to permanently delete the Bitmap / Logo "
        "file:\n\nres\\logo number 1.bmp ?";
    EXPECT_EQ(box.services.messages,
              (Strings{askLogo, askLogo,
                       "Are you sure you want to permanently delete the hyperlink:\n\nInstall "
                       "component number 2 ?"}));
    EXPECT_EQ(S().NumberOfLogosToDraw * 100 + S().NumberOfHotSpots, 202);
    EXPECT_EQ((Strings{Link(0), Link(1), Link(2), Logo(0), Logo(1), Logo(2)}), after);

    // Nodes that are no item, slots out of range, no project: nothing asked.
    box.services.messages.clear();
    for (TemplateNode node : {TemplateNode{K::HyperlinkCategory, 0}, TemplateNode{K::Audio, 0},
                              TemplateNode{K::Hyperlink, 2}, TemplateNode{K::Logo, -1}})
        EXPECT_FALSE(DeleteTemplateItem(project.get(), node)) << int(node.kind);
    EXPECT_FALSE(DeleteTemplateItem(nullptr, {K::Logo, 0}));
    EXPECT_TRUE(box.services.messages.empty());

    // A link's move leaves the logos as they were, and a logo's the links.
    Counts(4, 3);
    const Strings moved = {Link(3), Link(2), Link(0), Link(1), Logo(1), Logo(0), Logo(2), Logo(3)};
    ASSERT_TRUE(MoveTemplateItem(project.get(), {K::Hyperlink, 3}, -1));
    ASSERT_TRUE(MoveTemplateItem(project.get(), {K::Logo, 0}, 1));
    EXPECT_EQ((Strings{Link(2), Link(3), Link(0), Link(1), Logo(0), Logo(1), Logo(2), Logo(3)}),
              moved);

    const Strings before = {Link(0), Link(3), Logo(0), Logo(2)};
    for (const auto& [node, step] : {std::pair(TemplateNode{K::Hyperlink, 0}, -1),
                                     {{K::Hyperlink, 3}, 1},
                                     {{K::Logo, 3}, -1},
                                     {{K::Hyperlink, 1}, 2},
                                     {{K::HyperlinkCategory, 0}, 1}}) {
        EXPECT_FALSE(CanMoveItem(project.get(), node, step)) << node.index << step;
        EXPECT_FALSE(MoveTemplateItem(project.get(), node, step)) << node.index << step;
    }
    EXPECT_EQ((Strings{Link(0), Link(3), Logo(0), Logo(2)}), before);
    EXPECT_TRUE(CanMoveItem(project.get(), {K::Logo, 2}, -1));
}

// Undo and redo judged by the bytes the writer stores.
class EditHistoryTest : public TemplateEdit {
  protected:
    EditHistoryTest() { Counts(MAX_HOTSPOTS - 1, MAX_LOGOS - 1); }  // room for one more
    std::string Stored() {
        EXPECT_TRUE(project->SaveSettings());
        return box.SettingsBytes();
    }

    EditHistory history;
};

// One step that touches every group of keys: the head, both counts, the
// slots, the shared logo delay, the link style and the sounds.
TEST_F(EditHistoryTest, UndoAndRedoTakeBackEveryKindOfKey) {
    const std::string before = Stored();
    history.Begin("Edit Link", S());
    box.services.ScriptAnswers({MessageAnswer::Yes});
    ASSERT_TRUE(DeleteTemplateItem(project.get(), {K::Hyperlink, 0}));
    ASSERT_TRUE(MoveTemplateItem(project.get(), {K::Logo, 13}, -1));
    S().NumberOfLogosToDraw = 9;
    S().BackGroundBitmapName = "@@00ff00000000ff";
    S().LogoAnnimationDelay = 5;
    S().HotSpotTextHiliteColorG = 9;
    S().HotSpotFontSize = -30;
    S().HotSpotWaveFile = "";
    history.Settle(S());
    const std::string after = Stored();
    ASSERT_TRUE(history.Undo(S()));
    EXPECT_EQ(Stored(), before);
    ASSERT_TRUE(history.Redo(S()));
    EXPECT_EQ(Stored(), after);
}

// A dialog cancelled, or an insert whose dialog was cancelled, is no step and
// keeps the redo list; a new change ends it; past 100 the oldest step goes.
TEST_F(EditHistoryTest, OnlyChangesCountAndTheOldestGoesPast100) {
    history.Begin("Edit Link", S());
    S().WindowTitle = "first";
    history.Settle(S());
    ASSERT_TRUE(history.Undo(S()));
    history.Begin("Edit Background", S());
    history.Begin("Insert Link", S());
    EXPECT_FALSE(InsertNewItem(project.get(), {K::Logo, 0}, [](ItemDialog, int) { return false; }));
    EXPECT_FALSE(history.Undo(S()));
    EXPECT_EQ(history.RedoName(), "Edit Link");
    history.Begin("Edit Audio", S());
    S().StartupWaveFile = "x.wav";
    EXPECT_FALSE(history.Redo(S()));

    for (int i = 1; i <= 150; ++i) {
        history.Begin("Move", S());
        S().HotSpotRect[0].top = i;
    }
    int undone = 0;
    while (history.Undo(S())) ++undone;
    EXPECT_EQ(undone, int(EditHistory::kMaxSteps));
    EXPECT_EQ(S().HotSpotRect[0].top, 50);  // the 50 oldest steps are gone
    EXPECT_EQ(TextOf(S().StartupWaveFile), "x.wav");
}

// A large record moved 100 times keeps what moved, not 100 copies; steps
// that change long texts stay within the budget, the oldest going first.
TEST_F(EditHistoryTest, StepsKeepOnlyWhatChangedWithinTheBudget) {
    const std::size_t mib = std::size_t(1) << 20;
    S().WindowTitle = std::string(4 * mib, 't');
    for (int i = 1; i <= 100; ++i) {
        history.Begin("Move", S());
        S().LogoBitmapLocation[0].x = i;
    }
    history.Settle(S());
    EXPECT_LT(history.Bytes(), mib / 8);

    for (int i = 0; i < 12; ++i) {
        history.Begin("Edit Background", S());
        S().WindowTitle = std::string(4 * mib, char('a' + i));
        history.Settle(S());
        ASSERT_LE(history.Bytes(), EditHistory::kMaxBytes);
    }
    while (history.Undo(S())) continue;
    EXPECT_NE(TextOf(S().WindowTitle)[0], 't') << "the oldest title steps went";
    EXPECT_EQ(TextOf(S().WindowTitle).size(), 4 * mib);
    EXPECT_EQ(S().LogoBitmapLocation[0].x, 100) << "so did every move before them";
    while (history.Redo(S())) continue;
    EXPECT_EQ(TextOf(S().WindowTitle), std::string(4 * mib, 'l'));
}

}  // namespace
