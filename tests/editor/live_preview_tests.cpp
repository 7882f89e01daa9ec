// An open dialog's fields in the record before OK: what OK would take goes in,
// a half-typed number or a picture from outside the project leaves the record
// as it was, and nothing is said or copied.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "../support/project_sandbox.h"
#include "editor/dialogs/background_form.h"
#include "editor/dialogs/hyperlink_form.h"
#include "editor/dialogs/live_preview.h"
#include "editor/dialogs/logo_form.h"

namespace {

using namespace sandbox;

class LivePreview : public ::testing::Test {
  protected:
    LivePreview() {
        FillLargestRecord(S());
        std::filesystem::create_directories(box.folder.File("res"));
        WriteBytes(box.folder.File("res/new.bmp"), "BM");
        WriteBytes(outside.File("far.bmp"), "BM");
    }
    LaunchSettings& S() { return *project->Settings; }

    ProjectSandbox box;
    TempFolder outside;
    std::unique_ptr<CInstallerWnd> project = box.NewProject();
};

TEST_F(LivePreview, LinkFieldsGoInWhenOkWouldTakeThem) {
    const struct {
        const char *x, *y, *font, *label;
        int left, top, height;
        const char* text;
    } cases[] = {
        {"300", " -12 ", "24", "Install", 300, -12, -24, "Install"},
        {"3x", "", "-", "Two\nlines", 40, 140, -16, "Install component number 3"},  // half-typed
        {"99999999999", "7", "0", "", 40, 7, 0, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.x);
        FillLargestRecord(S());
        HyperlinkForm form;
        ASSERT_TRUE(form.Load(*project, 2));
        form.x = c.x;
        form.y = c.y;
        form.fontSize = c.font;
        form.label = c.label;
        form.textColour = "0x102030";
        PreviewLink(form, *project, 2);
        EXPECT_EQ(S().HotSpotRect[2].left, c.left);
        EXPECT_EQ(S().HotSpotRect[2].top, c.top);
        EXPECT_EQ(S().HotSpotFontSize, c.height);
        EXPECT_EQ(TextOf(S().HotSpotText[2]), c.text);
        EXPECT_EQ(S().HotSpotTextColorG, 0x20);
        EXPECT_EQ(TextOf(S().HotSpotCommand[2]), "RUN");  // the action waits for OK
    }
    EXPECT_TRUE(box.services.messages.empty());
}

TEST_F(LivePreview, PicturesShowOnlyFromTheProject) {
    LogoForm logo;
    ASSERT_TRUE(logo.Load(*project, 1));
    logo.bitmapPath = outside.File("far.bmp");
    logo.x = "77";
    logo.maskColour = "0x00ff00";
    PreviewLogo(logo, *project, 1);
    EXPECT_EQ(TextOf(S().LogoBitmapName[1]), "res\\logo number 2.bmp");
    EXPECT_EQ(S().LogoBitmapLocation[1].x, 77);
    EXPECT_EQ(S().LogoBitmapMaskColorG[1] * 1000 + S().LogoBitmapMaskColorR[1], 255000);
    logo.bitmapPath = "res\\new.bmp";
    PreviewLogo(logo, *project, 1);
    EXPECT_EQ(TextOf(S().LogoBitmapName[1]), "res\\new.bmp");
    EXPECT_FALSE(std::filesystem::exists(box.folder.File("res/far.bmp")));

    BackgroundForm background;
    background.Load(*project);
    const std::string before = TextOf(S().BackGroundBitmapName);
    background.bitmapPath = outside.File("far.bmp");
    PreviewBackground(background, *project);
    background.colourMode = true;
    background.colourText = "0xff00";  // half-typed
    PreviewBackground(background, *project);
    EXPECT_EQ(TextOf(S().BackGroundBitmapName), before);
    background.colourText = "0xff0000";
    PreviewBackground(background, *project);
    EXPECT_EQ(TextOf(S().BackGroundBitmapName).substr(0, 2), "@@");
    EXPECT_TRUE(box.services.messages.empty());
}

// Cancel takes back what the previews wrote, and only that.
TEST_F(LivePreview, CancelUndoesOnlyThePreviews) {
    int shows = 0;
    for (bool ok : {false, true}) {
        FillLargestRecord(S());
        LiveEdit live(S(), [&] { ++shows; });
        live.Preview([&] { S().HotSpotRect[0].left = 5; });
        live.Preview([&] { S().HotSpotRect[0].left = 6; });
        live.Preview([] {});          // nothing new: no redraw
        S().NumberOfLogosToDraw = 3;  // a change by other means meanwhile
        live.Preview([&] { S().HotSpotTextColorR = 1; });
        EXPECT_EQ(live.End(ok), ok);
        EXPECT_EQ(S().HotSpotRect[0].left, ok ? 6 : 40);
        EXPECT_EQ(S().HotSpotTextColorR, ok ? 1 : 255);
        EXPECT_EQ(S().NumberOfLogosToDraw, 3);
    }
    EXPECT_EQ(shows, 3 + 1 + 3);  // the cancel redraws once
}

}  // namespace
