#include "engine/picture_kind.h"

#include <cstdio>
#include <cstring>

#include "platform/platform.h"

namespace {

// What the first bytes say a picture that is no BMP is, when they tell.
const char* KindOf(const unsigned char* head, std::size_t size) {
    static const struct {
        const char* magic;
        std::size_t length;
        const char* kind;
    } kinds[] = {
        {"\x89PNG", 4, "a PNG"},    {"\xFF\xD8\xFF", 3, "a JPEG"}, {"GIF8", 4, "a GIF"},
        {"II*\0", 4, "a TIFF"},     {"MM\0*", 4, "a TIFF"},        {"RIFF", 4, "a RIFF file"},
        {"\0\0\1\0", 4, "an icon"}, {"<svg", 4, "an SVG"},
    };
    for (const auto& k : kinds)
        if (size >= k.length && std::memcmp(head, k.magic, k.length) == 0) return k.kind;
    return nullptr;
}

}  // namespace

std::string NotBmpLine(const std::string& path, const std::string& name) {
    std::FILE* f = platform::Current().system->OpenRegularFile(path);
    if (!f) return "";
    unsigned char head[4] = {};
    const std::size_t size = std::fread(head, 1, sizeof head, f);
    std::fclose(f);
    if (size >= 2 && head[0] == 'B' && head[1] == 'M') return "";
    const char* kind = KindOf(head, size);
    return name + " is not a BMP picture" + (kind ? std::string(" (it is ") + kind + ")" : "") +
           ": only BMP pictures work.";
}
