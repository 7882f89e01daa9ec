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
using Strings = std::vector<std::string>;
using platform::MessageAnswer;

class TemplateEdit : public ::testing::Test {
  protected:
    LaunchSettings& S() { return *project->Settings; }
    // Every stored field of a slot on one line ("-" for an absent text).
    std::string Link(int i) {
        auto t = [](const OwnedString& s) { return s ? *s : "-"; };
        const platform::Rect& r = S().HotSpotRect[i];
        return t(S().HotSpotText[i]) + " " + t(S().HotSpotCommand[i]) + " [" +
               t(S().HotSpotCommandDataA[i]) + "|" + t(S().HotSpotCommandDataB[i]) + "] " +
               std::to_string(r.left) + "," + std::to_string(r.top);
    }
    std::string Logo(int i) {
        auto n = [](int v) { return std::to_string(v); };
        return (S().LogoBitmapName[i] ? "[" + *S().LogoBitmapName[i] + "]" : "-") + " at " +
               n(S().LogoBitmapLocation[i].x) + " from " + n(S().LogoBitmapAnimateLocation[i].x) +
               " a" + n(S().AnimateLogo[i]) + " r" + n(S().ResizeLogo[i]) + " mask " +
               n(S().LogoBitmapMaskColorR[i]) + "," + n(S().LogoBitmapMaskColorG[i]) + "," +
               n(S().LogoBitmapMaskColorB[i]);
    }
    void AddLinks(int n) {
        for (int i = 0; i < n; ++i) {
            const std::string k = std::to_string(i);
            S().HotSpotText[i] = "Link " + k;
            S().HotSpotCommand[i] = "RUN";
            S().HotSpotCommandDataA[i] = "setup" + k + ".exe";
            S().HotSpotCommandDataB[i] = "/q" + k;
            S().HotSpotRect[i] = {i, 10 * i, 0, 0};
        }
        S().NumberOfHotSpots = n;
    }
    void AddLogos(int n) {
        for (int i = 0; i < n; ++i) {
            S().LogoBitmapName[i] = "res\\logo" + std::to_string(i) + ".bmp";
            S().LogoBitmapLocation[i] = {i, i};
            S().AnimateLogo[i] = S().ResizeLogo[i] = i % 2;
            S().LogoBitmapAnimateLocation[i] = {-i, -i};
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
    AddLinks(1);
    S().HotSpotText[0] = "Background Image";  // still a link
    for (const auto& c : cases) {
        const ItemMenu m = MenuFor(project.get(), {c.kind, 0});
        const std::string menu = {m.show ? 'm' : '-', m.insert ? 'i' : '-', m.remove ? 'd' : '-',
                                  m.properties ? 'p' : '-'};
        EXPECT_EQ(menu, c.menu) << int(c.kind);
        EXPECT_FALSE(MenuFor(nullptr, {c.kind, 0}).show) << int(c.kind);
        EXPECT_EQ(DialogFor({c.kind, 0}), c.dialog) << int(c.kind);
    }
}

TEST_F(TemplateEdit, InsertFillsTheNextSlotAndCountsItOnlyOnOk) {
    AddLinks(2);
    AddLogos(1);
    S().HotSpotText[2] = "stale";  // whatever the slot held comes back after Cancel
    Strings seen;
    bool ok = false;
    // Records what the dialog is given, then edits the slot as a user would.
    auto dialog = [&](ItemDialog d, int i) {
        seen.push_back(d == ItemDialog::Hyperlink ? Link(i) : Logo(i));
        S().HotSpotText[i] = "typed";
        S().LogoBitmapLocation[i] = {9, 9};
        return ok;
    };
    const std::string emptyLink = Link(2), emptyLogo = Logo(1);
    EXPECT_FALSE(InsertNewItem(project.get(), {NodeKind::HyperlinkCategory, 0}, dialog));
    EXPECT_FALSE(InsertNewItem(project.get(), {NodeKind::LogoCategory, 0}, dialog));
    EXPECT_EQ(S().NumberOfHotSpots * 100 + S().NumberOfLogosToDraw, 201);
    EXPECT_EQ(Link(2), emptyLink);
    EXPECT_EQ(Logo(1), emptyLogo);

    // OK, from a category and from one of its items alike.
    ok = true;
    EXPECT_TRUE(InsertNewItem(project.get(), {NodeKind::Hyperlink, 0}, dialog));
    EXPECT_TRUE(InsertNewItem(project.get(), {NodeKind::Logo, 0}, dialog));
    EXPECT_EQ(S().NumberOfHotSpots * 100 + S().NumberOfLogosToDraw, 302);
    EXPECT_EQ(TextOf(S().HotSpotText[2]), "typed");
    // Without a window to measure in, both go to the first free place.
    const std::string link = "New Command OPEN [|] 10,10",
                      logo = "[] at 10 from 0 a0 r0 mask 255,0,0";
    EXPECT_EQ(seen, (Strings{link, logo, link, logo}));

    for (NodeKind k : {NodeKind::Root, NodeKind::Background, NodeKind::Audio})
        EXPECT_FALSE(InsertNewItem(project.get(), {k, 0}, dialog));
    EXPECT_FALSE(InsertNewItem(nullptr, {NodeKind::HyperlinkCategory, 0}, dialog));
    EXPECT_EQ(seen.size(), 4u);
    EXPECT_TRUE(box.services.messages.empty());
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
              (Strings{"Already reached the maximum number of allowed hyperlinks.",
                       "Already reached the maximum number of allowed Bitmaps / Logos."}));
    EXPECT_EQ(S().NumberOfHotSpots, MAX_HOTSPOTS);
    EXPECT_EQ(S().NumberOfLogosToDraw, MAX_LOGOS);
}

TEST_F(TemplateEdit, DeleteMovesTheLaterSlotsUpWithAllTheyHold) {
    AddLinks(3);
    AddLogos(3);
    const Strings links = {Link(0), Link(2)}, logos = {Logo(1), Logo(2)};
    const std::string emptyLink = Link(5), emptyLogo = Logo(5);
    box.services.ScriptAnswers({MessageAnswer::No, MessageAnswer::Yes, MessageAnswer::Yes});
    EXPECT_FALSE(DeleteTemplateItem(project.get(), {NodeKind::Logo, 0}));  // answered No
    EXPECT_EQ(S().NumberOfLogosToDraw, 3);
    EXPECT_TRUE(DeleteTemplateItem(project.get(), {NodeKind::Logo, 0}));
    EXPECT_TRUE(DeleteTemplateItem(project.get(), {NodeKind::Hyperlink, 1}));
    const std::string askLogo =
        "Are you sure you want to permanently delete the Bitmap / Logo file:\n\nres\\logo0.bmp ?";
    EXPECT_EQ(box.services.messages,
              (Strings{askLogo, askLogo,
                       "Are you sure you want to permanently delete the hyperlink:\n\nLink 1 ?"}));
    EXPECT_EQ(S().NumberOfLogosToDraw * 100 + S().NumberOfHotSpots, 202);
    EXPECT_EQ((Strings{Logo(0), Logo(1)}), logos);  // each with its own mask colour
    EXPECT_EQ((Strings{Link(0), Link(1)}), links);
    EXPECT_EQ(Logo(2), emptyLogo);
    EXPECT_EQ(Link(2), emptyLink);

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
