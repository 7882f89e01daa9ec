// The editor's pictures: toolbar and menu icons, the tree's images, the
// wizard's picture and the program icon.
#pragma once

#include <wx/bitmap.h>
#include <wx/iconbndl.h>
#include <wx/imaglist.h>

#include "editor/editor_commands.h"

namespace forge_art {

using Tool = ToolPicture;

// 16 x 16: the desktop theme's icon where one fits, our own drawing for build,
// copy and the disc image.
wxBitmap ToolBitmap(Tool tool);

// The tree's six images, drawn here: root, audio, background, bitmaps and logos,
// hyper-links, item.
wxImageList* TreeImages();

// The Project Wizard's picture, 145 x 343.
wxBitmap WizardPicture();

// The runtime's icon.
wxIconBundle ProgramIcons();

}  // namespace forge_art
