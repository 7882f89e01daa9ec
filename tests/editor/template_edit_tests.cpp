// The template tree's changes to the record: the menu a node gets, inserting
// with the dialog confirmed or cancelled, the limits, and deleting with the
// later slots moving up.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../support/project_sandbox.h"
#include "editor/template_edit.h"

namespace {

using namespace sandbox;
using Messages = std::vector<std::string>;
using platform::MessageAnswer;

class TemplateEdit : public ::testing::Test {
  protected:
    LaunchSettings& S() { return *project->Settings; }
    void AddLinks(int n) {
        for (int i = 0; i < n; ++i) {
            S().HotSpotText[i] = "Link " + std::to_string(i);
            S().HotSpotCommand[i] = "RUN";
            S().HotSpotCommandDataA[i] = "setup" + std::to_string(i) + ".exe";
            S().HotSpotCommandDataB[i] = "/q" + std::to_string(i);
            S().HotSpotRect[i] = {i, 10 * i, 0, 0};
        }
        S().NumberOfHotSpots = n;
    }
    void AddLogos(int n) {
        for (int i = 0; i < n; ++i) {
            S().LogoBitmapName[i] = "res\\logo" + std::to_string(i) + ".bmp";
            S().LogoBitmapLocation[i] = {i, i};
            S().AnimateLogo[i] = i % 2;
            S().LogoBitmapAnimateLocation[i] = {-i, -i};
            S().ResizeLogo[i] = i % 2;
            S().LogoBitmapMaskColorR[i] = std::uint8_t(10 * i);
            S().LogoBitmapMaskColorG[i] = std::uint8_t(20 * i);
            S().LogoBitmapMaskColorB[i] = std::uint8_t(30 * i);
        }
        S().NumberOfLogosToDraw = n;
    }

    ProjectSandbox box;
    std::unique_ptr<CInstallerWnd> project = box.NewProject();
};

TEST_F(TemplateEdit, MenusAndDialogsGoByKindNotText) {
    using K = NodeKind;
    const struct {
        K kind;
        ItemMenu menu;
        ItemDialog dialog;
    } cases[] = {
        {K::Root, {false, false, false, false}, ItemDialog::None},
        {K::Background, {true, false, false, true}, ItemDialog::Background},
        {K::Audio, {true, false, false, true}, ItemDialog::Audio},
        {K::HyperlinkCategory, {true, true, false, false}, ItemDialog::None},
        {K::Hyperlink, {true, false, true, true}, ItemDialog::Hyperlink},
        {K::LogoCategory, {true, true, false, false}, ItemDialog::None},
        {K::Logo, {true, false, true, true}, ItemDialog::Logo},
    };
    // A link whose text is a category's name is still a link.
    AddLinks(1);
    S().HotSpotText[0] = "Background Image";
    for (const auto& c : cases) {
        const ItemMenu menu = MenuFor(project.get(), {c.kind, 0});
        EXPECT_EQ(menu.show, c.menu.show) << int(c.kind);
        EXPECT_EQ(menu.insert, c.menu.insert) << int(c.kind);
        EXPECT_EQ(menu.remove, c.menu.remove) << int(c.kind);
        EXPECT_EQ(menu.properties, c.menu.properties) << int(c.kind);
        EXPECT_FALSE(MenuFor(nullptr, {c.kind, 0}).show) << int(c.kind);
        EXPECT_EQ(DialogFor({c.kind, 0}), c.dialog) << int(c.kind);
    }
}

TEST_F(TemplateEdit, InsertFillsTheNextSlotAndCountsItOnlyOnOk) {
    AddLinks(2);
    AddLogos(1);
    std::vector<std::string> seen;
    bool answer = false;
    auto dialog = [&](ItemDialog d, int index) {
        const LaunchSettings& s = *project->Settings;
        if (d == ItemDialog::Hyperlink)
            seen.push_back("link " + std::to_string(index) + " " + TextOf(s.HotSpotText[index]) +
                           " " + TextOf(s.HotSpotCommand[index]) + " [" +
                           TextOf(s.HotSpotCommandDataA[index]) + "]");
        if (d == ItemDialog::Logo)
            seen.push_back("logo " + std::to_string(index) + " [" +
                           TextOf(s.LogoBitmapName[index]) + "] mask " +
                           std::to_string(s.LogoBitmapMaskColorR[index]) + "," +
                           std::to_string(s.LogoBitmapMaskColorG[index]));
        return answer;
    };

    // Cancel: counts unchanged and the slot as it was (empty).
    EXPECT_FALSE(InsertNewItem(project.get(), {NodeKind::HyperlinkCategory, 0}, dialog));
    EXPECT_FALSE(InsertNewItem(project.get(), {NodeKind::LogoCategory, 0}, dialog));
    EXPECT_EQ(S().NumberOfHotSpots, 2);
    EXPECT_EQ(S().NumberOfLogosToDraw, 1);
    EXPECT_FALSE(S().HotSpotText[2] || S().HotSpotCommand[2] || S().HotSpotCommandDataA[2]);
    EXPECT_FALSE(S().LogoBitmapName[1]);
    EXPECT_EQ(S().LogoBitmapMaskColorR[1], 0);

    // OK, from a category and from one of its items alike.
    answer = true;
    EXPECT_TRUE(InsertNewItem(project.get(), {NodeKind::Hyperlink, 0}, dialog));
    EXPECT_TRUE(InsertNewItem(project.get(), {NodeKind::Logo, 0}, dialog));
    EXPECT_EQ(S().NumberOfHotSpots, 3);
    EXPECT_EQ(S().NumberOfLogosToDraw, 2);
    EXPECT_EQ(seen,
              (std::vector<std::string>{"link 2 New Command OPEN []", "logo 1 [] mask 255,0",
                                        "link 2 New Command OPEN []", "logo 1 [] mask 255,0"}));
    EXPECT_EQ(TextOf(S().HotSpotCommandDataB[2]), "");
    EXPECT_TRUE(S().HotSpotCommandDataB[2].has_value());

    // Nodes that take no insert, and no project.
    for (NodeKind k : {NodeKind::Root, NodeKind::Background, NodeKind::Audio})
        EXPECT_FALSE(InsertNewItem(project.get(), {k, 0}, dialog));
    EXPECT_FALSE(InsertNewItem(nullptr, {NodeKind::HyperlinkCategory, 0}, dialog));
    EXPECT_EQ(seen.size(), 4u);
    EXPECT_TRUE(box.services.messages.empty());
}

TEST_F(TemplateEdit, CancelPutsBackWhatTheDialogChanged) {
    AddLinks(1);
    S().HotSpotText[1] = "stale";  // whatever the slot held comes back
    auto editsThenCancels = [&](ItemDialog, int index) {
        project->Settings->HotSpotText[index] = "typed";
        project->Settings->LogoBitmapLocation[index] = {9, 9};
        return false;
    };
    EXPECT_FALSE(InsertNewItem(project.get(), {NodeKind::HyperlinkCategory, 0}, editsThenCancels));
    EXPECT_FALSE(InsertNewItem(project.get(), {NodeKind::LogoCategory, 0}, editsThenCancels));
    EXPECT_EQ(TextOf(S().HotSpotText[1]), "stale");
    EXPECT_FALSE(S().HotSpotCommand[1]);
    EXPECT_EQ(S().LogoBitmapLocation[0], (platform::Point{0, 0}));
    EXPECT_FALSE(S().LogoBitmapName[0]);
}

TEST_F(TemplateEdit, TheSixteenthItemIsRefused) {
    AddLinks(MAX_HOTSPOTS);
    int dialogs = 0;
    auto ok = [&](ItemDialog, int) { return ++dialogs > 0; };
    EXPECT_FALSE(InsertNewItem(project.get(), {NodeKind::HyperlinkCategory, 0}, ok));
    EXPECT_TRUE(InsertNewItem(project.get(), {NodeKind::LogoCategory, 0}, ok));  // logos still go
    AddLogos(MAX_LOGOS);
    EXPECT_FALSE(InsertNewItem(project.get(), {NodeKind::Logo, 3}, ok));
    EXPECT_EQ(dialogs, 1);
    EXPECT_EQ(box.services.messages,
              (Messages{"Already reached the maximum number of allowed hyperlinks.",
                        "Already reached the maximum number of allowed Bitmaps / Logos."}));
    EXPECT_EQ(S().NumberOfHotSpots, MAX_HOTSPOTS);
    EXPECT_EQ(S().NumberOfLogosToDraw, MAX_LOGOS);
}

TEST_F(TemplateEdit, DeleteMovesTheLaterSlotsUpWithAllTheyHold) {
    AddLinks(3);
    AddLogos(3);
    box.services.ScriptAnswers({MessageAnswer::No, MessageAnswer::Yes, MessageAnswer::Yes});
    EXPECT_FALSE(DeleteTemplateItem(project.get(), {NodeKind::Logo, 0}));  // answered No
    EXPECT_EQ(S().NumberOfLogosToDraw, 3);
    EXPECT_TRUE(DeleteTemplateItem(project.get(), {NodeKind::Logo, 0}));
    EXPECT_TRUE(DeleteTemplateItem(project.get(), {NodeKind::Hyperlink, 1}));
    EXPECT_EQ(box.services.messages,
              (Messages{"Are you sure you want to permanently delete the Bitmap / Logo file:\n\n"
                        "res\\logo0.bmp ?",
                        "Are you sure you want to permanently delete the Bitmap / Logo file:\n\n"
                        "res\\logo0.bmp ?",
                        "Are you sure you want to permanently delete the hyperlink:\n\nLink 1 ?"}));

    ASSERT_EQ(S().NumberOfLogosToDraw, 2);
    for (int i = 0; i < 2; ++i) {
        const int was = i + 1;
        EXPECT_EQ(TextOf(S().LogoBitmapName[i]), "res\\logo" + std::to_string(was) + ".bmp");
        EXPECT_EQ(S().LogoBitmapLocation[i], (platform::Point{was, was}));
        EXPECT_EQ(S().AnimateLogo[i], was % 2);
        EXPECT_EQ(S().LogoBitmapAnimateLocation[i], (platform::Point{-was, -was}));
        EXPECT_EQ(S().ResizeLogo[i], was % 2);
        EXPECT_EQ(S().LogoBitmapMaskColorR[i], 10 * was);
        EXPECT_EQ(S().LogoBitmapMaskColorG[i], 20 * was);
        EXPECT_EQ(S().LogoBitmapMaskColorB[i], 30 * was);
    }
    EXPECT_FALSE(S().LogoBitmapName[2]);
    EXPECT_EQ(S().LogoBitmapMaskColorB[2], 0);

    ASSERT_EQ(S().NumberOfHotSpots, 2);
    EXPECT_EQ(TextOf(S().HotSpotText[0]), "Link 0");
    EXPECT_EQ(TextOf(S().HotSpotText[1]), "Link 2");
    EXPECT_EQ(TextOf(S().HotSpotCommandDataA[1]), "setup2.exe");
    EXPECT_EQ(TextOf(S().HotSpotCommandDataB[1]), "/q2");
    EXPECT_EQ(S().HotSpotRect[1], (platform::Rect{2, 20, 0, 0}));
    EXPECT_FALSE(S().HotSpotText[2] || S().HotSpotCommand[2]);

    // Nodes that are no item, slots out of range, no project: nothing asked.
    box.services.messages.clear();
    for (TemplateNode node :
         {TemplateNode{NodeKind::HyperlinkCategory, 0}, TemplateNode{NodeKind::Audio, 0},
          TemplateNode{NodeKind::Hyperlink, 2}, TemplateNode{NodeKind::Logo, -1}})
        EXPECT_FALSE(DeleteTemplateItem(project.get(), node)) << int(node.kind);
    EXPECT_FALSE(DeleteTemplateItem(nullptr, {NodeKind::Logo, 0}));
    EXPECT_TRUE(box.services.messages.empty());
}

}  // namespace
