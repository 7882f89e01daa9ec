#include "platform/raster/font_instance.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

#include FT_SIZES_H
#include FT_SYNTHESIS_H
#include FT_TRUETYPE_TABLES_H

#include "platform/raster/cp1252.h"

namespace platform::raster {

namespace {

// The family the font mapper falls back to, from the request's family bits.
std::string FamilyFor(const FontRequest& request) {
    if (request.faceName && *request.faceName) return request.faceName;
    switch (request.pitchAndFamily & 0xF0) {
        case 0x10:
            return "serif";  // FF_ROMAN
        case 0x30:
            return "monospace";  // FF_MODERN
        default:
            return "sans-serif";  // FF_SWISS, FF_DONTCARE and the rest
    }
}

// The ascent and descent Windows measures cells with: usWinAscent and
// usWinDescent when the face has them, else the horizontal header's.
void CellUnits(FT_Face face, double* ascent, double* descent) {
    auto* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    if (os2 && os2->version != 0xFFFF && os2->usWinAscent + os2->usWinDescent > 0) {
        *ascent = os2->usWinAscent;
        *descent = os2->usWinDescent;
    } else {
        *ascent = face->ascender;
        *descent = -face->descender;
    }
    if (*ascent + *descent <= 0) {
        *ascent = face->units_per_EM * 0.8;
        *descent = face->units_per_EM * 0.2;
    }
}

int Round(double v) { return int(std::lround(v)); }

}  // namespace

std::shared_ptr<FontInstance> FontInstance::Create(const FontRequest& request) {
    FontLibrary& library = FontLibrary::Instance();
    // FW_DONTCARE (0) is regular; fontconfig takes OpenType weights 1 to 1000.
    const int weight = request.weight <= 0 ? 400 : std::min(request.weight, 1000);
    FaceChoice choice = library.Choose(FamilyFor(request), weight, request.italic);
    if (!choice.face || choice.face->units_per_EM == 0) return nullptr;

    std::lock_guard<std::mutex> lock(library.mutex());
    FT_Face face = choice.face;
    std::shared_ptr<FontInstance> font(new FontInstance());
    font->choice_ = choice;
    font->underline_ = request.underline;
    font->strikeOut_ = request.strikeOut;
    if (FT_New_Size(face, &font->size_) != 0) return nullptr;
    FT_Activate_Size(font->size_);

    double ascentUnits, descentUnits;
    CellUnits(face, &ascentUnits, &descentUnits);
    const double units = face->units_per_EM;
    int height = request.height;
    if (height == 0) height = -kDefaultCharHeight;
    height = std::clamp(height, -kMaxHeight, kMaxHeight);

    FontMetrics& m = font->metrics_;
    double ppem;
    if (height < 0) {
        ppem = -height;
        m.ascent = Round(ascentUnits * ppem / units);
        m.descent = Round(descentUnits * ppem / units);
    } else {
        // A cell height: scale so that ascent + descent is exactly that.
        ppem = height * units / (ascentUnits + descentUnits);
        m.ascent = Round(ascentUnits * height / (ascentUnits + descentUnits));
        m.descent = height - m.ascent;
    }
    m.height = m.ascent + m.descent;
    if (FT_Set_Char_Size(face, 0, FT_F26Dot6(std::lround(ppem * 64)), 72, 72) != 0) return nullptr;

    const double scale = ppem / units;
    m.underlineSize = std::max(1, Round(face->underline_thickness * scale));
    // FreeType gives the line's centre; Windows places its top.
    m.underlineTop = Round(-face->underline_position * scale - m.underlineSize / 2.0);
    m.underlineTop = std::clamp(m.underlineTop, 0, std::max(0, m.descent - m.underlineSize));
    auto* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    if (os2 && os2->version != 0xFFFF && os2->yStrikeoutSize > 0) {
        m.strikeoutSize = std::max(1, Round(os2->yStrikeoutSize * scale));
        m.strikeoutTop = Round(os2->yStrikeoutPosition * scale);
    } else {
        m.strikeoutSize = m.underlineSize;
        m.strikeoutTop = Round(m.ascent / 3.0);
    }
    return font;
}

FontInstance::~FontInstance() {
    if (!size_) return;
    std::lock_guard<std::mutex> lock(FontLibrary::Instance().mutex());
    FT_Done_Size(size_);
}

const Glyph& FontInstance::GlyphOf(unsigned char byte) {
    Glyph& glyph = glyphs_[byte];
    if (!glyph.ready) Render(byte, &glyph);
    return glyph;
}

int FontInstance::Advance(const std::string& text) {
    int width = 0;
    for (char c : text) width += GlyphOf(static_cast<unsigned char>(c)).advance;
    return width;
}

void FontInstance::Render(unsigned char byte, Glyph* glyph) {
    glyph->ready = true;
    std::lock_guard<std::mutex> lock(FontLibrary::Instance().mutex());
    FT_Face face = choice_.face;
    FT_Activate_Size(size_);
    // The face is shared by every size of it: set the shear only for this load.
    FT_Matrix shear{0x10000, 0x3333, 0, 0x10000};  // x += 0.2 y, a typical oblique
    FT_Set_Transform(face, choice_.slant ? &shear : nullptr, nullptr);
    FT_UInt index = FT_Get_Char_Index(face, Cp1252ToUnicode(byte));
    FT_Error error = FT_Load_Glyph(face, index, FT_LOAD_DEFAULT | FT_LOAD_NO_BITMAP);
    FT_Set_Transform(face, nullptr, nullptr);
    if (error != 0) return;
    FT_GlyphSlot slot = face->glyph;
    if (choice_.embolden) FT_GlyphSlot_Embolden(slot);
    glyph->advance = int((slot->advance.x + 32) >> 6);
    if (FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) != 0) return;

    const FT_Bitmap& bitmap = slot->bitmap;
    glyph->left = slot->bitmap_left;
    glyph->top = slot->bitmap_top;
    glyph->width = int(bitmap.width);
    glyph->rows = int(bitmap.rows);
    glyph->coverage.assign(std::size_t(glyph->width) * std::size_t(glyph->rows), 0);
    for (int y = 0; y < glyph->rows; ++y) {
        const unsigned char* line = bitmap.buffer + std::ptrdiff_t(y) * bitmap.pitch;
        for (int x = 0; x < glyph->width; ++x) {
            std::uint8_t c = bitmap.pixel_mode == FT_PIXEL_MODE_MONO
                                 ? ((line[x >> 3] >> (7 - (x & 7))) & 1 ? 255 : 0)
                                 : line[x];
            glyph->coverage[std::size_t(y) * std::size_t(glyph->width) + std::size_t(x)] = c;
        }
    }
}

}  // namespace platform::raster
