// The editor's pictures, kept across the preview's refreshes: a picture whose
// file has the same path, size and last write is not decoded again, and a
// picture in several slots is decoded once. It holds only what the last window
// uses, counted slot by slot against the loader's budget as the runtime counts.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "engine/picture_loader.h"
#include "platform/system.h"

class PictureCache : public PictureLoader {
  public:
    void BeginWindow() override;
    // Lets go of every picture this window did not use.
    void EndWindow() override;
    std::shared_ptr<platform::Bitmap> Load(const std::string& path) override;

    // A picture decoded elsewhere, with the stamp its file had before the decode.
    struct Decoded {
        std::string path;
        platform::FileStamp stamp;
        std::shared_ptr<platform::Bitmap> bitmap;
    };
    // Kept as if loaded before: the next window takes those it uses.
    void Adopt(std::vector<Decoded> pictures);

    // The project closes.
    void Clear() { entries_.clear(); }
    std::size_t Size() const { return entries_.size(); }

  private:
    struct Entry {
        platform::FileStamp stamp;
        std::shared_ptr<platform::Bitmap> bitmap;
        long long pixels = 0;
        bool used = false;  // by the window being made
    };
    std::map<std::string, Entry> entries_;
};
