// The process's one FreeType library, the faces it has opened, and the
// fontconfig matches already made. Faces are opened once and kept: fonts come
// and go with every window, loading a face each time would be slow.
#pragma once

#include <ft2build.h>
#include FT_FREETYPE_H

#include <map>
#include <mutex>
#include <string>
#include <tuple>

namespace platform::raster {

struct FaceChoice {
    FT_Face face = nullptr;
    bool embolden = false;  // the face is lighter than asked: make it bolder
    bool slant = false;     // the face is upright but italic was asked: shear it
};

class FontLibrary {
  public:
    static FontLibrary& Instance();

    // The face fontconfig picks for the family (a name or "sans-serif",
    // "serif", "monospace") at the CSS-style weight (400 regular, 700 bold)
    // and slant. A face of null when nothing can be loaded.
    FaceChoice Choose(const std::string& family, int weight, bool italic);

    // FreeType faces are not thread safe: hold this while using one.
    std::mutex& mutex() { return mutex_; }

  private:
    FontLibrary();
    ~FontLibrary();
    FT_Face OpenFace(const std::string& file, int index);

    std::mutex mutex_;
    FT_Library library_ = nullptr;
    std::map<std::pair<std::string, int>, FT_Face> faces_;
    std::map<std::tuple<std::string, int, bool>, FaceChoice> choices_;
};

}  // namespace platform::raster
