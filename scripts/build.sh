#!/bin/sh
# Configures and builds everything into build/ (the Linux programs, the tests,
# and the Windows runtime when MinGW-w64 is present).
set -eu
cd "$(dirname "$0")/.."
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"
