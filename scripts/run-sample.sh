#!/bin/sh
# Runs the Linux runtime on the sample project (needs a display).
set -eu
cd "$(dirname "$0")/../examples/sample"
exec ../../build/bin/velomar
