#!/bin/sh
# Builds and runs every test: the unit, pixel, GUI and Wine tests under CTest,
# then a short run of each fuzz target.
set -eu
cd "$(dirname "$0")/.."
./setup.sh
scripts/build.sh
ctest --test-dir build --output-on-failure -j2
scripts/fuzz.sh 30
