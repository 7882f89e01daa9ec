// The runtime's icon (resources/velomar.ico), built into the editor.
#pragma once

#include <cstddef>

extern const unsigned char kProgramIconData[];
extern const std::size_t kProgramIconSize;
