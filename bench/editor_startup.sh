#!/bin/sh
# The editor's start with the sample open, side by side with a minimal wx frame
# holding a splitter, a tree and the same picture, both with GTK's GL off:
# milliseconds from exec to the painted preview, and peak memory, on a private
# Xvfb. Rounds alternate the programs; medians and ratios are printed.
#   bench/editor_startup.sh [BUILD_DIR] [ROUNDS]
# VELOMAR_OTHER_FORGE=/path/to/velomarforge adds a row for another build.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-$here/../build}" && pwd)
rounds=${2:-15}
probe="$build/bench/velomar_startup_probe"
minimal="$build/bench/velomar_minimal_wx_editor"
locate="$build/bench/velomar_locate_picture"
for f in "$build/bin/velomarforge" "$build/bin/velomarforge-cli" "$probe" "$minimal" "$locate"; do
  [ -x "$f" ] || { echo "editor_startup.sh: $f is missing; build first" >&2; exit 1; }
done

work=$(mktemp -d /tmp/velomar-editor-startup.XXXXXX)
server=""
cleanup() {
  [ -n "$server" ] && kill "$server" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT INT TERM

. "$here/private_xvfb.sh"
# No reset when the last client leaves: a reset puts the pointer back in the
# middle of the screen, over the editor's preview, where it lights a link.
start_private_xvfb -noreset
# The editor's layout and wizard setting live in a store of its own.
XDG_CONFIG_HOME="$work/config"
export DISPLAY NO_AT_BRIDGE=1 XDG_CONFIG_HOME

# The pointer out of the way, in a corner no window covers.
"$locate" - >/dev/null 2>&1 || true

# A copy of the sample: the editor may write into the project it opens.
cp -r "$here/../examples/sample" "$work/sample"
# The preview: the finished picture, logos in place.
"$build/bin/velomarforge-cli" render "$work/sample" "$work/still.png" --still >/dev/null

# Each program puts its picture where its layout says: found once, then timed there.
forge_at=$(place_of "$work/still.png" "$build/bin/velomarforge" "$work/sample")
minimal_at=$(place_of "$work/still.png" env GDK_GL=disable "$minimal" "$work/still.png")

measure() {  # label, place, then NAME=VALUE... -- program args
  label=$1
  at=$2
  shift 2
  # shellcheck disable=SC2086 # the place is two words
  if out=$("$probe" "$work/still.png" $at "$@"); then
    echo "$out" >>"$work/$label"
  else
    echo "editor_startup.sh: $label failed" >&2
  fi
}

rows="velomarforge minimal_gl_off"
[ -n "${VELOMAR_OTHER_FORGE:-}" ] && rows="$rows other_forge"
for _ in $(seq "$rounds"); do
  measure velomarforge "$forge_at" -- "$build/bin/velomarforge" "$work/sample"
  measure minimal_gl_off "$minimal_at" GDK_GL=disable -- "$minimal" "$work/still.png"
  [ -n "${VELOMAR_OTHER_FORGE:-}" ] &&
    measure other_forge "$forge_at" -- "$VELOMAR_OTHER_FORGE" "$work/sample"
done

median() {  # column of a file
  sort -n -k"$2" "$1" | awk -v c="$2" '{v[NR]=$c} END {print (NR % 2) ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2}'
}
range() {  # column of a file: lowest-highest
  sort -n -k"$2" "$1" | awk -v c="$2" 'NR == 1 {lo=$c} {hi=$c} END {printf "%.0f-%.0f", lo, hi}'
}

printf '%-16s %10s %12s %14s %6s\n' program first_ms peak_MiB ms_range runs
for row in $rows; do
  [ -s "$work/$row" ] || continue
  ms=$(median "$work/$row" 1)
  kib=$(median "$work/$row" 2)
  eval "ms_$row=$ms kib_$row=$kib"
  printf '%-16s %10.1f %12.1f %14s %6d\n' "$row" "$ms" \
    "$(awk -v k="$kib" 'BEGIN {print k / 1024}')" "$(range "$work/$row" 1)" "$(wc -l <"$work/$row")"
done
ratio() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.2f", a / b}'; }
echo "velomarforge / minimal GL off: time $(ratio "$ms_velomarforge" "$ms_minimal_gl_off"), memory $(ratio "$kib_velomarforge" "$kib_minimal_gl_off")"
if [ -n "${VELOMAR_OTHER_FORGE:-}" ] && [ -n "${ms_other_forge:-}" ]; then
  echo "velomarforge / other build:    time $(ratio "$ms_velomarforge" "$ms_other_forge"), memory $(ratio "$kib_velomarforge" "$kib_other_forge")"
fi
