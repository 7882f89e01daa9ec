#!/bin/sh
# VelomarForge.exe's start with the sample open against Velomar.exe's start,
# both under wine64 on a private Xvfb (the x86_64 builds: this machine runs no
# 32-bit code): milliseconds from exec to the editor's preview showing the
# finished menu, and to the runtime's first painted frame, and peak memory.
# Beside the time: what the program's threads ran until then, and how long
# they waited for a CPU held by other work (the spread of a shared machine).
# One Wine server runs through the whole bench, as Windows itself would, so no
# run pays for starting it. Rounds alternate the programs; medians are printed.
#   bench/forge_startup_wine.sh [BUILD_DIR] [ROUNDS]
# VELOMAR_OTHER_FORGE_EXE=/path/to/VelomarForge.exe adds a row for another build.
# VELOMAR_FRAME_FLOOR=1 adds two yardsticks: a bare Win32 window and the
# editor's frame with nothing of the editor in it (bench/win32/), each showing
# one colour; what the frame alone adds to the runtime's start is the least
# the editor's start can be.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-$here/../build}" && pwd)
rounds=${2:-9}
wine=${VELOMAR_WINE64:-/usr/lib/wine/wine64}
wineserver=${VELOMAR_WINESERVER:-/usr/lib/wine/wineserver}
probe="$build/bench/velomar_startup_probe"
locate="$build/bench/velomar_locate_picture"
windows="$build/windows/x86_64"
forge="$windows/editor/win32/VelomarForge.exe"
runtime="$windows/launcher/win32/Velomar.exe"
idle="$windows/bench/win32/velomar_wine_idle.exe"
bare="$windows/bench/win32/velomar_minimal_win32.exe"
frame="$windows/bench/win32/velomar_minimal_frame.exe"
for f in "$wine" "$wineserver" "$build/bin/velomarforge-cli" "$probe" "$locate" "$forge" "$runtime" "$idle"; do
  [ -x "$f" ] || { echo "forge_startup_wine.sh: $f is missing; build first" >&2; exit 1; }
done

. "$here/private_xvfb.sh"
. "$here/wine_bench.sh"
# No Mono or Gecko prompts; no sound device here.
begin_wine_bench velomar-forge-startup "mscoree,mshtml=;winealsa.drv,winepulse.drv=d"

# A copy of the sample: the editor may write into the project it opens.
cp -r "$here/../examples/sample" "$work/sample"
sample_windows="Z:$(echo "$work/sample" | tr / '\\')"
# The editor's preview: the finished picture. The runtime's first frame:
# background, resting logos and links, before any animation.
"$build/bin/velomarforge-cli" render "$work/sample" "$work/still.png" --still >/dev/null
"$build/bin/velomarforge-cli" render "$work/sample" "$work/first.png" --steps 0 >/dev/null
black_out_link_texts "$work/sample" "$work/still.png" "$work/first.png"
# The pointer out of the way, in a corner no window covers: a lit link is another picture.
"$locate" - >/dev/null 2>&1 || true

# The editor puts its preview where its layout says: found once, then timed there.
forge_at=$(place_of "$work/still.png" "$wine" "$forge" "$sample_windows")
# The 640 x 440 menu is centred on the screen; its client area is inside a one-pixel frame.
runtime_at="193 165"
floor=${VELOMAR_FRAME_FLOOR:-}
if [ -n "$floor" ]; then
  convert -size 638x438 xc:'#204060' "png24:$work/plain.png"
  frame_at=$(place_of "$work/plain.png" "$wine" "$frame")
fi

measure() {  # label, picture, place, then program args; run in the sample folder
  label=$1
  picture=$2
  at=$3
  shift 3
  sleep 1  # the last run's windows gone
  # shellcheck disable=SC2086 # the place is two words
  if out=$(cd "$work/sample" && "$probe" "$picture" $at -- "$@"); then
    echo "$out" >>"$work/$label"
  else
    echo "forge_startup_wine.sh: $label failed" >&2
  fi
}

for _ in $(seq "$rounds"); do
  measure VelomarForge.exe "$work/still.png" "$forge_at" "$wine" "$forge" "$sample_windows"
  measure Velomar.exe "$work/first.png" "$runtime_at" "$wine" "$runtime"
  [ -n "${VELOMAR_OTHER_FORGE_EXE:-}" ] &&
    measure other_forge "$work/still.png" "$forge_at" "$wine" "$VELOMAR_OTHER_FORGE_EXE" "$sample_windows"
  if [ -n "$floor" ]; then
    measure minimal_window "$work/plain.png" "$runtime_at" "$wine" "$bare"
    measure minimal_frame "$work/plain.png" "$frame_at" "$wine" "$frame"
  fi
done

range() {  # column of a file: lowest-highest
  sort -n -k"$2" "$1" | awk -v c="$2" 'NR == 1 {lo=$c} {hi=$c} END {printf "%.0f-%.0f", lo, hi}'
}

printf '%-18s %10s %8s %9s %12s %14s %6s\n' program shown_ms ran_ms waited_ms peak_MiB ms_range runs
for row in VelomarForge.exe Velomar.exe other_forge minimal_window minimal_frame; do
  [ -s "$work/$row" ] || continue
  printf '%-18s %10.1f %8.1f %9.1f %12.1f %14s %6d\n' "$row" "$(median "$work/$row" 1)" \
    "$(median "$work/$row" 4)" "$(median "$work/$row" 5)" \
    "$(awk -v k="$(median "$work/$row" 2)" 'BEGIN {print k / 1024}')" \
    "$(range "$work/$row" 1)" "$(wc -l <"$work/$row")"
done
ratio() {  # name, row, yardstick row
  [ -s "$work/$2" ] && [ -s "$work/$3" ] || return 0
  awk -v t="$(median "$work/$2" 1)" -v u="$(median "$work/$3" 1)" \
    -v r="$(median "$work/$2" 4)" -v s="$(median "$work/$3" 4)" \
    -v n="$1" 'BEGIN {printf "%s: time %.2f, ran %.2f\n", n, t / u, r / s}'
}
ratio "VelomarForge.exe / Velomar.exe" VelomarForge.exe Velomar.exe
ratio "VelomarForge.exe / other build" VelomarForge.exe other_forge
ratio "other build / Velomar.exe" other_forge Velomar.exe
if [ -s "$work/minimal_frame" ] && [ -s "$work/minimal_window" ] && [ -s "$work/Velomar.exe" ]; then
  awk -v f="$(median "$work/minimal_frame" 1)" -v w="$(median "$work/minimal_window" 1)" \
    -v fr="$(median "$work/minimal_frame" 4)" -v wr="$(median "$work/minimal_window" 4)" \
    -v v="$(median "$work/Velomar.exe" 1)" -v vr="$(median "$work/Velomar.exe" 4)" \
    'BEGIN {printf "the frame alone adds %.1f ms (ran %.1f) to a bare window: the least VelomarForge.exe / Velomar.exe can be is time %.2f, ran %.2f\n", f - w, fr - wr, (v + f - w) / v, (vr + fr - wr) / vr}'
fi
