// Builds without disc images (Windows): Make Disc Image stays greyed.
#include "editor/editor_controller.h"

bool DiscImagesAvailable() { return false; }

void EditorController::MakeDiscImage() {}
