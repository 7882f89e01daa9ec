#!/bin/sh
# Velomar.exe with the sample, its sounds taken out, against a minimal Win32 window, both
# under wine64 on a private Xvfb (the x86_64 builds: this machine runs no
# 32-bit code): peak memory and threads a second after the first painted
# frame, and milliseconds to it. One Wine server and one windowless program
# run through the whole bench, so no run pays for starting Wine's desktop.
# Rounds alternate the programs; medians and their ratios are printed.
#   bench/runtime_memory_wine.sh [BUILD_DIR] [ROUNDS]
# VELOMAR_OTHER_EXE=/path/to/Velomar.exe (an x86_64 build) adds a row for it.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-$here/../build}" && pwd)
rounds=${2:-9}
wine=${VELOMAR_WINE64:-/usr/lib/wine/wine64}
wineserver=${VELOMAR_WINESERVER:-/usr/lib/wine/wineserver}
probe="$build/bench/velomar_startup_probe"
windows="$build/windows/x86_64"
runtime="$windows/launcher/win32/Velomar.exe"
minimal="$windows/bench/win32/velomar_minimal_win32.exe"
idle="$windows/bench/win32/velomar_wine_idle.exe"
for f in "$wine" "$wineserver" "$build/bin/velomarforge-cli" "$probe" "$runtime" "$minimal" "$idle"; do
  [ -x "$f" ] || { echo "runtime_memory_wine.sh: $f is missing; build first" >&2; exit 1; }
done

. "$here/private_xvfb.sh"
. "$here/wine_bench.sh"
# No Mono or Gecko prompts. The sound drivers stay, as on a user's machine:
# what loading them costs is part of what is measured.
begin_wine_bench velomar-runtime-memory "mscoree,mshtml="

# The sample without its sounds: a menu that plays none needs no audio stack.
cp -r "$here/../examples/sample" "$work/sample"
python3 - "$build/bin/velomarforge-cli" "$work/sample/AppSetup.dat" <<'PY'
import subprocess, sys
cli, path = sys.argv[1], sys.argv[2]
def run(*args):
    return subprocess.run([cli, *args], capture_output=True, check=True).stdout.decode("latin1")
lines = open(path, "rb").read().decode("latin1").split("\r\n")
for i, line in enumerate(lines):
    if i < 2 or not line:
        continue
    key = run("decode", "--", line).rstrip("\n").split("=", 1)[0]
    if key in ("StartupWaveFile", "HotSpotWaveFile"):
        lines[i] = run("encode", "--", key + "=").rstrip("\n")
open(path, "wb").write("\r\n".join(lines).encode("latin1"))
PY
rm "$work/sample/res/"*.wav
# The runtime's first frame, its link texts blacked out.
"$build/bin/velomarforge-cli" render "$work/sample" "$work/first.png" --steps 0 >/dev/null
black_out_link_texts "$work/sample" "$work/first.png"
# The yardstick's client area: one colour.
convert -size 638x438 xc:'#204060' "png24:$work/plain.png"
# Both 640 x 440 windows are centred; their client areas are inside a one-pixel frame.
at="193 165"

measure() {  # label, picture, then program args; run in the sample folder
  label=$1
  picture=$2
  shift 2
  sleep 1  # the last run's window gone
  # shellcheck disable=SC2086 # the place is two words
  if out=$(cd "$work/sample" && "$probe" "$picture" $at -- "$@"); then
    echo "$out" >>"$work/$label"
  else
    echo "runtime_memory_wine.sh: $label failed" >&2
  fi
}

for _ in $(seq "$rounds"); do
  measure Velomar.exe "$work/first.png" "$wine" "$runtime"
  measure minimal "$work/plain.png" "$wine" "$minimal"
  [ -n "${VELOMAR_OTHER_EXE:-}" ] && measure other "$work/first.png" "$wine" "$VELOMAR_OTHER_EXE"
done

printf '%-14s %10s %10s %8s %6s\n' program first_ms peak_MiB threads runs
for row in Velomar.exe minimal other; do
  [ -s "$work/$row" ] || continue
  printf '%-14s %10.1f %10.1f %8s %6d\n' "$row" "$(median "$work/$row" 1)" \
    "$(awk -v k="$(median "$work/$row" 2)" 'BEGIN {print k / 1024}')" \
    "$(median "$work/$row" 3)" "$(wc -l <"$work/$row")"
done
if [ -s "$work/Velomar.exe" ] && [ -s "$work/minimal" ]; then
  awk -v a="$(median "$work/Velomar.exe" 2)" -v b="$(median "$work/minimal" 2)" \
    'BEGIN {printf "Velomar.exe / minimal Win32 window: memory %.2f\n", a / b}'
fi
if [ -s "$work/other" ] && [ -s "$work/minimal" ]; then
  awk -v a="$(median "$work/other" 2)" -v b="$(median "$work/minimal" 2)" \
    'BEGIN {printf "other / minimal Win32 window:       memory %.2f\n", a / b}'
fi
