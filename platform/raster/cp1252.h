// Text of the system is single-byte ANSI; glyphs are looked up in Unicode.
#pragma once

namespace platform::raster {

// Windows-1252: 0x80-0x9F are the typographic extras (euro, quotes, dashes...);
// the five unassigned bytes keep their own value, as Windows maps them.
char32_t Cp1252ToUnicode(unsigned char byte);

}  // namespace platform::raster
