#!/usr/bin/env bash
# Applies the faults of scripts/mutants.txt whose regex names a Wine test
# (^windows...), one at a time, as scripts/mutants.sh applies the others.
# mutants.sh finds a test's program through ctest, which cannot name a program
# not built yet, and its first build leaves the Wine tests out; here the
# programs of tests/windows are built by name, and with them the cross
# sub-builds that make the Windows programs they run.
#
#   scripts/wine_mutants.sh [REV] [ID-REGEX]
#
# REV (default: the working tree) is the version to copy; ID-REGEX picks
# mutants by name. The copy and its build live in build/wine-mutants/;
# results go to build/wine-mutants/results.txt.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
rev=${1:-}
pick=${2:-.}
work=${WINE_MUTANTS_DIR:-$root/build/wine-mutants}
src=$work/src
build=$src/build
results=$work/results.txt
mkdir -p "$src"

# Refresh the copy; changed files get a new time stamp so they are rebuilt.
stage=$work/stage
rm -rf "$stage" && mkdir -p "$stage"
if [ -n "$rev" ]; then
  git -C "$root" archive "$rev" | tar -x -C "$stage"
else
  (cd "$root" && git ls-files -z | tar --null -T - -cf -) | tar -x -C "$stage"
fi
(cd "$stage" && find . -type f) | while read -r f; do
  cmp -s "$stage/$f" "$src/$f" 2>/dev/null || { mkdir -p "$(dirname "$src/$f")"; cp "$stage/$f" "$src/$f"; }
done
rm -rf "$stage"

[ -f "$build/CMakeCache.txt" ] ||
  cmake -S "$src" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >"$work/configure.log"
targets=$(cd "$src/tests/windows" && ls *_tests.cpp | sed 's/\.cpp$//')

mutate() {  # FILE OLD NEW -> 0 applied, 1 OLD not found exactly once
  python3 - "$@" <<'PY'
import sys
path, old, new = sys.argv[1:4]
un = lambda s: s.replace('\\|', '|').replace('\\n', '\n')
old, new = un(old), un(new)
text = open(path, encoding='utf-8').read()
if text.count(old) != 1: sys.exit(1)
open(path, 'w', encoding='utf-8').write(text.replace(old, new))
PY
}

: >"$results"
grep -v '^#' "$root/scripts/mutants.txt" | grep -v '^\s*$' |
while IFS= read -r line; do
  field() { printf '%s' "$line" | awk -F ' [|] ' "{print \$$1}"; }
  id=$(field 1) file=$(field 2) old=$(field 3) new=$(field 4) regex=$(field 5)
  printf '%s' "$regex" | grep -q '^\^windows' || continue
  printf '%s' "$id" | grep -qE "$pick" || continue
  cp -p "$src/$file" "$work/original"
  if ! mutate "$src/$file" "$old" "$new"; then
    echo "$id notfound $file" | tee -a "$results"
    continue
  fi
  if ! cmake --build "$build" -j2 --target $targets >"$work/last-build.log" 2>&1 </dev/null; then
    verdict="nocompile -"
  else
    out=$(ctest --test-dir "$build" -R "$regex" </dev/null 2>&1 || true)
    failed=$(printf '%s\n' "$out" | sed -n '/tests FAILED:/,$p' | grep -oE '[0-9]+ - [^ ]+' | sed 's/^[0-9]* - //' | paste -sd, -)
    if [ -n "$failed" ]; then verdict="caught $failed"
    elif printf '%s' "$out" | grep -q '100% tests passed'; then verdict="missed -"
    else verdict="error -"; fi
  fi
  echo "$id $verdict" | tee -a "$results"
  # The next build sees the restored file by its new stamp.
  cp -p "$work/original" "$src/$file"
  touch "$src/$file"
done
