// GDK's GL, off for the runtime and left as the user set it for the programs
// its links start.
#pragma once

// Before the toolkit starts: the runtime draws no GL, and GTK would otherwise
// load the GL driver at start (about 100 ms and 40 MiB).
void DisableToolkitGl();

// Once the toolkit has read it: puts the user's setting, or its absence, back.
void RestoreToolkitGl();
