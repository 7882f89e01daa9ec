// The preview's refresh reuses the pictures whose files did not change, and
// reads again those that did; closing the project lets them all go.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <string>

#include "../support/project_sandbox.h"
#include "bench/bench_project.h"
#include "editor/project_session.h"
#include "platform/headless/headless_platform.h"

namespace {

namespace fs = std::filesystem;

class Pane : public ProjectView {
  public:
    explicit Pane(platform::Window* parent) : parent_(parent) {}
    platform::Window* PreviewParent() override { return parent_; }
    void RebuildTree() override {}
    std::string GetTitle() const override { return ""; }
    void SetTitle(const std::string&) override {}
    void ProjectChanged() override {}

  private:
    platform::Window* parent_;
};

TEST(PictureCacheTest, RefreshDecodesOnlyChangedPicturesAndCloseReleasesThem) {
    platform::HeadlessPlatform host{platform::HeadlessOptions{{1024, 768}, false}};
    platform::WindowParams params;
    params.style = platform::ws::Popup | platform::ws::Visible;
    params.width = 800;
    params.height = 500;
    std::unique_ptr<platform::Window> parent = host.windows.CreateHostWindow(params, nullptr);
    Pane pane(parent.get());
    ProjectSession session(&pane);

    bench::Project project(3, false, false);  // background and logos 0 to 2
    const std::string res = project.Dir() + "res/";
    ASSERT_TRUE(session.OpenProject(project.Dir(), false));
    LaunchSettings* s = session.GetInstallerWnd()->Settings.get();
    // Held here, so that a picture decoded again cannot reuse the address.
    const std::shared_ptr<platform::Bitmap> background = s->BackgroundBitmap;
    const std::shared_ptr<platform::Bitmap> logos[] = {s->LogoBitmap[0], s->LogoBitmap[1],
                                                       s->LogoBitmap[2]};
    EXPECT_EQ(session.Pictures().Size(), 4u);

    // Logo 1 rewritten at its size with a later time, logo 2 at another size.
    bench::WriteBmp(res + "logo1.bmp", 200, 150, 77);
    fs::last_write_time(res + "logo1.bmp",
                        fs::last_write_time(res + "logo1.bmp") + std::chrono::seconds(5));
    bench::WriteBmp(res + "logo2.bmp", 100, 150, 2);
    session.ReloadProject(false);
    s = session.GetInstallerWnd()->Settings.get();
    EXPECT_EQ(s->BackgroundBitmap, background);
    EXPECT_EQ(s->LogoBitmap[0], logos[0]);
    EXPECT_NE(s->LogoBitmap[1], logos[1]);
    EXPECT_NE(s->LogoBitmap[2], logos[2]);
    EXPECT_EQ(s->LogoWidth[2], 100);
    EXPECT_EQ(session.Pictures().Size(), 4u) << "the replaced pictures are let go";
    EXPECT_TRUE(host.services.messages.empty());

    session.CloseProject();
    EXPECT_EQ(session.Pictures().Size(), 0u);
}

}  // namespace
