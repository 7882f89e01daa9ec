// Reads a PNG (velomarforge-cli render's output) as 0x00RRGGBB pixels.
#pragma once

#include <string>

#include "scenes.h"

namespace wintest {

bool ReadPng(const std::string& path, scenes::Picture* picture);

}  // namespace wintest
