#!/bin/sh
# The release files of a build, after scripts/build.sh:
#   scripts/package.sh [BUILD]        (BUILD defaults to build)
# writes BUILD/dist/Velomar-VERSION-x86.msi, Velomar-VERSION-windows.zip and
# velomar_VERSION_ARCH.deb. Each is made in a scratch folder and renamed into
# place at the end, so a failed run leaves dist/ as it was.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
start=$(date +%s)
[ -f "$build/package/version" ] || { echo "package: $build is not a configured build" >&2; exit 1; }
version=$(cat "$build/package/version")

mkdir -p "$build/dist"
work=$(mktemp -d "$build/dist/.package.XXXXXX")
trap 'rm -rf "$work"' EXIT
trap 'exit 1' INT TERM HUP

"$root/scripts/package-windows.sh" "$build/bin" "$version" "$work"
cpack --config "$build/CPackConfig.cmake" -B "$work/deb" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log" >&2; exit 1; }
deb=velomar_${version}_$(dpkg --print-architecture).deb
mv "$work/deb/$deb" "$work/"

for f in "Velomar-$version-x86.msi" "Velomar-$version-windows.zip" "$deb"; do
  mv "$work/$f" "$build/dist/$f"
  printf '%10d  %s\n' "$(stat -c %s "$build/dist/$f")" "$build/dist/$f"
done
echo "package: $(($(date +%s) - start)) s"
