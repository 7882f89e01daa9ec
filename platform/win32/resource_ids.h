// Ids of the resources that Velomar.exe's resource script holds and this
// backend loads; the script includes this file too, so plain #defines.
#pragma once

#define VELOMAR_IDC_HOTSPOT 129
