#include "platform/raster/font_library.h"

#include <fontconfig/fontconfig.h>
#include <sys/mman.h>

#include <cstddef>
#include <new>

#include "platform/platform.h"

namespace platform::raster {

FontLibrary& FontLibrary::Instance() {
    static FontLibrary library;
    return library;
}

namespace {

// Fontconfig crashes when memory runs out while it reads its configuration:
// it starts only with this much to spare, else the start fails as out of memory.
void CheckRoomForFontconfig() {
    constexpr std::size_t kRoom = std::size_t(24) << 20;
    void* room = mmap(nullptr, kRoom, PROT_READ | PROT_WRITE,
                      MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    if (room == MAP_FAILED) throw std::bad_alloc();
    munmap(room, kRoom);
}

}  // namespace

// Without memory the start throws, so that it is reported where a font was
// asked for; fontconfig that cannot start leaves the library without faces.
FontLibrary::FontLibrary() {
    CheckRoomForFontconfig();
    const FT_Error error = FT_Init_FreeType(&library_);
    if (error == FT_Err_Out_Of_Memory) throw std::bad_alloc();
    if (error != 0) {
        library_ = nullptr;
        Trace("raster: FreeType cannot start\n");
    } else if (!FcInit()) {
        FT_Done_FreeType(library_);
        library_ = nullptr;
        Trace("raster: fontconfig cannot start\n");
    }
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
    const FT_Error error = FT_New_Face(library_, file.c_str(), index, &face);
    if (error == FT_Err_Out_Of_Memory) throw std::bad_alloc();
    if (error != 0) {
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
        if (!pattern) throw std::bad_alloc();
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
