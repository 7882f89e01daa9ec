// GDK's GL, off for the runtime and the editor (neither draws GL) and left as
// the user set it for the programs they start.
#pragma once

namespace platform::wx {

// Before the toolkit starts: GTK would otherwise load the GL driver at start
// (about 100 ms and 40 MiB).
void DisableToolkitGl();

// Once the toolkit has read it: puts the user's setting, or its absence, back.
void RestoreToolkitGl();

}  // namespace platform::wx
