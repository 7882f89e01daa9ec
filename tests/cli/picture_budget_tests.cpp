// A project of small files that claim huge pictures: every picture passes the
// decoder's own limits, but together they pass the memory budget, and the
// first one past it gets the usual message while the memory stays bounded.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <filesystem>
#include <string>

#include "../support/project_sandbox.h"
#include "../support/rle_bomb.h"

namespace {

using namespace sandbox;

// The largest resident size of any child this test has waited for, in MiB.
long ChildrenPeakMiB() {
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return usage.ru_maxrss / 1024;
}

TEST(PictureBudgetTest, BombsInEverySlotAreRefusedWithTheUsualMessages) {
    ProjectSandbox sandbox;
    std::filesystem::create_directories(sandbox.folder.File("res"));
    // 256 MiB as claimed (the file is 132 KB), and 64 MiB in each logo file.
    WriteBytes(sandbox.folder.File("res/big.bmp"), PlausibleRleBomb(8192));
    for (int i = 1; i <= MAX_LOGOS; ++i)
        WriteBytes(sandbox.folder.File("res/bomb" + std::to_string(i) + ".bmp"),
                   PlausibleRleBomb(4096));
    const struct {
        const char* background;
        const char* logo;  // %d: the slot
        std::string message;
    } cases[] = {
        {"res\\big.bmp", "res\\big.bmp", "Failed to load our background bitmap!\n"},
        {"@@0000000140a060", "res\\big.bmp", "Failed to load our LOGO bitmap res\\big.bmp!\n"},
        // Two fit the budget together; the third does not.
        {"@@0000000140a060", "res\\bomb%d.bmp", "Failed to load our LOGO bitmap res\\bomb3.bmp!\n"},
        {"res\\bomb1.bmp", "res\\bomb%d.bmp", "Failed to load our LOGO bitmap res\\bomb2.bmp!\n"},
    };
    const std::string out = sandbox.folder.File("x.png");
    for (const auto& c : cases) {
        auto project = sandbox.NewProject();
        FillLargestRecord(*project->Settings);
        project->Settings->BackGroundBitmapName = c.background;
        for (int i = 0; i < MAX_LOGOS; ++i) {
            char name[32];
            std::snprintf(name, sizeof name, c.logo, i + 1);
            project->Settings->LogoBitmapName[i] = name;
        }
        ASSERT_TRUE(project->SaveSettings());
        EXPECT_EQ(RunCli({"render", sandbox.folder.Path(), out}), (CliRun{1, "", c.message}))
            << c.background << " " << c.logo;
    }
    EXPECT_FALSE(std::filesystem::exists(out));
    // The budget and a program's own needs; without the budget, 960 MiB and more.
    EXPECT_LT(ChildrenPeakMiB(), 300);
}

}  // namespace
