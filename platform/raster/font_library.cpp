#include "platform/raster/font_library.h"

#include <fontconfig/fontconfig.h>

#include "platform/platform.h"

namespace platform::raster {

FontLibrary& FontLibrary::Instance() {
    static FontLibrary library;
    return library;
}

FontLibrary::FontLibrary() {
    if (FT_Init_FreeType(&library_) != 0) {
        library_ = nullptr;
        Trace("raster: FreeType cannot start\n");
    }
    FcInit();
}

FontLibrary::~FontLibrary() {
    for (auto& entry : faces_) FT_Done_Face(entry.second);
    if (library_) FT_Done_FreeType(library_);
}

FT_Face FontLibrary::OpenFace(const std::string& file, int index) {
    auto key = std::make_pair(file, index);
    auto found = faces_.find(key);
    if (found != faces_.end()) return found->second;
    FT_Face face = nullptr;
    if (FT_New_Face(library_, file.c_str(), index, &face) != 0) {
        Trace("raster: cannot open font file %s\n", file.c_str());
        return nullptr;
    }
    faces_[key] = face;
    return face;
}

FaceChoice FontLibrary::Choose(const std::string& family, int weight, bool italic) {
    std::lock_guard<std::mutex> lock(mutex_);
    auto key = std::make_tuple(family, weight, italic);
    auto found = choices_.find(key);
    if (found != choices_.end()) return found->second;

    FaceChoice choice;
    if (library_) {
        FcPattern* pattern = FcPatternCreate();
        FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
        FcPatternAddInteger(pattern, FC_WEIGHT, FcWeightFromOpenType(weight));
        FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
        FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
        FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
        FcDefaultSubstitute(pattern);
        FcResult result = FcResultNoMatch;
        FcPattern* match = FcFontMatch(nullptr, pattern, &result);
        FcChar8* file = nullptr;
        int index = 0;
        if (match && FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch) {
            FcPatternGetInteger(match, FC_INDEX, 0, &index);
            choice.face = OpenFace(reinterpret_cast<const char*>(file), index);
            FcBool embolden = FcFalse;
            if (FcPatternGetBool(match, FC_EMBOLDEN, 0, &embolden) == FcResultMatch)
                choice.embolden = embolden == FcTrue;
            // Fontconfig asks for emboldening only where its rules say so; a
            // semi-bold or bolder request that lands on a regular face gets it too.
            int matched = FC_WEIGHT_REGULAR;
            FcPatternGetInteger(match, FC_WEIGHT, 0, &matched);
            if (weight >= 600 && matched < FC_WEIGHT_DEMIBOLD) choice.embolden = true;
        }
        if (match) FcPatternDestroy(match);
        FcPatternDestroy(pattern);
    }
    if (choice.face) {
        choice.slant = italic && !(choice.face->style_flags & FT_STYLE_FLAG_ITALIC);
    }
    choices_[key] = choice;
    return choice;
}

}  // namespace platform::raster

// Fontconfig keeps its configuration until FcFini, which we must not call while
// a toolkit in the same process may still use it: tell LeakSanitizer those
// blocks are meant to live until exit. Ignored by builds without it.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
