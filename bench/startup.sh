#!/bin/sh
# velomar's start-up side by side with a minimal wx window that shows the same
# picture: milliseconds from exec to the first painted frame, and peak memory,
# on a private Xvfb. The minimal window runs with GTK's GL renderer off, as
# velomar does. Rounds alternate the programs so that a busy machine slows
# them alike; the medians and their ratios are printed.
#   bench/startup.sh [BUILD_DIR] [ROUNDS]
# VELOMAR_OTHER=/path/to/velomar adds a row for another velomar build.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-$here/../build}" && pwd)
rounds=${2:-15}
sample="$here/../examples/sample"
probe="$build/bench/velomar_startup_probe"
minimal="$build/bench/velomar_minimal_wx"
for f in "$build/bin/velomar" "$build/bin/velomarforge-cli" "$probe" "$minimal"; do
  [ -x "$f" ] || { echo "startup.sh: $f is missing; build first" >&2; exit 1; }
done

work=$(mktemp -d /tmp/velomar-startup.XXXXXX)
server=""
cleanup() {
  [ -n "$server" ] && kill "$server" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT INT TERM

# The screen the tests use; a black root, so nothing looks painted before it is.
. "$here/private_xvfb.sh"
start_private_xvfb
export DISPLAY NO_AT_BRIDGE=1

# The first frame: background, resting logos and links, before any animation.
"$build/bin/velomarforge-cli" render "$sample" "$work/first.png" --steps 0 >/dev/null
# The 640 x 440 menu is centred on the 1024 x 768 screen; its client area is
# inside a one-pixel frame.
left=193
top=165

measure() {  # label, then NAME=VALUE... -- program args
  label=$1
  shift
  if out=$(cd "$sample" && "$probe" "$work/first.png" "$left" "$top" "$@"); then
    echo "$out" >>"$work/$label"
  else
    echo "startup.sh: $label failed" >&2
  fi
}

rows="velomar minimal"
[ -n "${VELOMAR_OTHER:-}" ] && rows="$rows other_velomar"
for _ in $(seq "$rounds"); do
  measure velomar -- "$build/bin/velomar"
  measure minimal GDK_GL=disable -- "$minimal" "$work/first.png"
  [ -n "${VELOMAR_OTHER:-}" ] && measure other_velomar -- "$VELOMAR_OTHER"
done

median() {  # column of a file
  sort -n -k"$2" "$1" | awk -v c="$2" '{v[NR]=$c} END {print (NR % 2) ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2}'
}

printf '%-16s %10s %12s %6s\n' program first_ms peak_MiB runs
for row in $rows; do
  [ -s "$work/$row" ] || continue
  ms=$(median "$work/$row" 1)
  kib=$(median "$work/$row" 2)
  eval "ms_$row=$ms kib_$row=$kib"
  printf '%-16s %10.1f %12.1f %6d\n' "$row" "$ms" "$(awk -v k="$kib" 'BEGIN {print k / 1024}')" "$(wc -l <"$work/$row")"
done
ratio() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.2f", a / b}'; }
echo "velomar / minimal:        time $(ratio "$ms_velomar" "$ms_minimal"), memory $(ratio "$kib_velomar" "$kib_minimal")"
if [ -n "${VELOMAR_OTHER:-}" ] && [ -n "${ms_other_velomar:-}" ]; then
  echo "velomar / other velomar:  time $(ratio "$ms_velomar" "$ms_other_velomar"), memory $(ratio "$kib_velomar" "$kib_other_velomar")"
fi
