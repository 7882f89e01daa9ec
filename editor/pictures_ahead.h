// The pictures of the project named at start, decoded on a second thread while
// the main one makes the frame, and the link font's face looked up beside them.
// Only a head start: the open takes a picture from here when its file still
// has the size and time it had when decoded, and loads everything else (a
// picture that failed, changed, or the file named something else) as it always
// does, so every message comes from the usual path, in its order.
#pragma once

#include <string>
#include <thread>
#include <vector>

#include "editor/picture_cache.h"

namespace platform {
class Graphics;
class System;
}  // namespace platform

class PicturesAhead {
  public:
    // Starts the thread; `folder` ends in a separator.
    PicturesAhead(const std::string& folder, platform::Graphics& graphics,
                  platform::System& system);
    ~PicturesAhead();  // waits for the thread
    PicturesAhead(const PicturesAhead&) = delete;
    PicturesAhead& operator=(const PicturesAhead&) = delete;

    // Waits for the thread; the pictures it decoded, once.
    std::vector<PictureCache::Decoded> Take();

  private:
    void Decode();

    const std::string folder_;
    platform::Graphics& graphics_;
    platform::System& system_;
    std::vector<PictureCache::Decoded> decoded_;
    std::thread thread_;
};
