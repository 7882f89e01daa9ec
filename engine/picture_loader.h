// Loading the menu's pictures. One window's pictures together are held to a
// memory budget that real menus never reach (the largest, an 800 x 600
// background and 15 logos of 640 x 440, is under 5 M pixels), so a project of
// small files that claim huge pictures fails with the usual message instead
// of taking gigabytes. The runtime loads through this class as it is; the
// editor's cache (editor/picture_cache.h) keeps pictures across refreshes and
// counts them the same way.
#pragma once

#include <memory>
#include <string>

#include "platform/graphics.h"

class PictureLoader {
  public:
    // 128 MiB of 32-bit pixels.
    static constexpr long long kBudgetPixels = 32LL << 20;

    virtual ~PictureLoader() = default;

    // A window starts loading its pictures: nothing is counted yet.
    virtual void BeginWindow() { used_ = 0; }
    // The window has loaded all it will.
    virtual void EndWindow() {}
    // The picture at path; null when it fails to load or would take the
    // window's pictures past the budget.
    virtual std::shared_ptr<platform::Bitmap> Load(const std::string& path);

  protected:
    // Counts pixels against the budget: false, counting nothing, past it.
    bool Charge(long long pixels);
    static long long PixelsOf(const platform::Bitmap& bitmap);

  private:
    long long used_ = 0;
};
