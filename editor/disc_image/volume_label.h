// The names a disc image carries: the ISO 9660 volume identifier that every
// system can read, and the Joliet volume name Windows shows under the drive.
#pragma once

#include <string>

// Project text (valid UTF-8, else Windows-1252, as AppSetup.dat holds it) as a
// volume identifier: letters and digits upper case, accented Latin letters as
// their base letters, every other run of characters one "_", none at either
// end, at most 32 characters; "VELOMAR" when nothing is left.
std::string IsoVolumeLabel(const std::string& text);

// The same text as the Joliet volume name field: 16 UCS-2 big-endian
// characters, padded with spaces (characters beyond 16, and outside the basic
// plane, are dropped). 32 bytes.
std::string JolietVolumeName(const std::string& text);
