#!/bin/sh
# The Windows release files, both from one staged program folder:
#   scripts/package-windows.sh BIN VERSION OUT
# BIN holds Velomar.exe and the user guide, and VelomarForge.exe once the
# Windows editor is built (only then does the MSI get a Start menu shortcut).
# Writes OUT/Velomar-VERSION-x86.msi (wixl) and OUT/Velomar-VERSION-windows.zip,
# each renamed into place once complete.
set -eu
[ $# -eq 3 ] || { echo "usage: $0 BIN VERSION OUT" >&2; exit 2; }
bin=$1 version=$2 out=$3
root=$(cd "$(dirname "$0")/.." && pwd)
guide="VelomarForge User Guide.htm"
for f in Velomar.exe "$guide"; do
  [ -f "$bin/$f" ] || { echo "package-windows: $bin/$f is missing (run scripts/build.sh)" >&2; exit 1; }
done

work=$(mktemp -d "$out/.windows.XXXXXX")
trap 'rm -rf "$work"' EXIT
trap 'exit 1' INT TERM HUP
stage=$work/Velomar-$version
mkdir "$stage"
cp -p "$bin/Velomar.exe" "$bin/$guide" "$stage/"
editor=""
if [ -f "$bin/VelomarForge.exe" ]; then
  cp -p "$bin/VelomarForge.exe" "$stage/"
  editor="-D Editor=1"
fi
cp -pR "$root/examples/sample" "$stage/sample"

# The size shown in the list of installed programs, in KiB.
size=$(find "$stage" -type f -printf '%s\n' | awk '{ s += $1 } END { print int((s + 1023) / 1024) }')
(cd "$stage/sample" && find . -type f | LC_ALL=C sort) |
  wixl-heat -p ./ --component-group Sample --var var.SampleDir --directory-ref SAMPLEDIR \
  > "$work/sample.wxs"
# wixl finds sources by paths relative to where it runs.
cp "$root/resources/velomar.ico" "$work/"
# $editor is empty or one word pair: unquoted on purpose.
# shellcheck disable=SC2086
(cd "$work" && wixl -a x86 -o msi -D Version="$version" -D BinDir="Velomar-$version" \
  -D SampleDir="Velomar-$version/sample" -D Icon=velomar.ico -D SizeKB="$size" $editor \
  "$root/resources/velomar.wxs" sample.wxs)
(cd "$work" && zip -qrX out.zip "Velomar-$version")

mv "$work/msi" "$out/Velomar-$version-x86.msi"
mv "$work/out.zip" "$out/Velomar-$version-windows.zip"
