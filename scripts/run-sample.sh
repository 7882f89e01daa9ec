#!/bin/sh
# Opens the editor on a fresh copy of the sample project (build/sample-project),
# so the committed sample is never changed. Needs a display.
# `scripts/run-sample.sh runtime` runs the Linux runtime on the copy instead.
set -eu
cd "$(dirname "$0")/.."
rm -rf build/sample-project
cp -R examples/sample build/sample-project
if [ "${1:-}" = runtime ]; then
  cd build/sample-project
  exec ../bin/velomar
fi
exec build/bin/velomarforge build/sample-project
