// The editor's pictures: the toolbar strip, the tree's images and the
// wizard's picture that the Windows editor's resources hold too
// (resources/make_forge_images.py draws them), and the program icon.
#pragma once

#include <wx/bitmap.h>
#include <wx/iconbndl.h>
#include <wx/imaglist.h>

#include <cstddef>

#include "editor/editor_commands.h"

namespace forge_art {

// A file of resources/ built into the program.
struct Embedded {
    const unsigned char* data;
    std::size_t size;
};
extern const Embedded velomar_ico_file, forge_toolbar_bmp_file, forge_tree_bmp_file,
    forge_wizard_bmp_file;

// 16 x 15, light grey clear.
wxBitmap ToolBitmap(ToolPicture picture);
// The tree's six images in TreePicture's order, pure red clear.
wxImageList* TreeImages();
// The Project Wizard's picture, 145 x 343.
wxBitmap WizardPicture();
wxIconBundle ProgramIcons();  // the runtime's icon, in every size it holds

}  // namespace forge_art
