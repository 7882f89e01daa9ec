#!/usr/bin/env bash
# Applies each deliberate fault of scripts/mutants.txt, one at a time, to a
# scratch copy of the tree, rebuilds the tests its regex names and runs them.
# A fault the tests fail on is caught; one they pass is missed.
#
#   scripts/mutants.sh [REV] [ID-REGEX]
#
# REV (default: the working tree) is the version to copy; ID-REGEX picks
# mutants by name. The copy and its build live in build/mutants/ (configured
# once, then rebuilt incrementally); results go to build/mutants/results.txt.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
rev=${1:-}
pick=${2:-.}
work=${MUTANTS_DIR:-$root/build/mutants}
src=$work/src
build=$src/build
results=$work/results.txt
mkdir -p "$src"

# Refresh the copy; files whose bytes are unchanged keep their time stamps so
# the build stays incremental, and changed ones get a new one so they are
# rebuilt (an edit older than the last build would otherwise be missed).
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

# The test programs behind a ctest regex. ctest names a program only once it
# is built; until then a test added as NAME x COMMAND x (the GUI programs, which
# build_all skips) or windows.x COMMAND x (the Wine ones, whose build brings the
# cross-built programs they run) stands for its program by its name.
programs() {
  ctest --test-dir "$build" -N -R "$1" --show-only=json-v1 2>/dev/null |
    python3 -c 'import json,sys,os
seen=set()
for t in json.load(sys.stdin).get("tests",[]):
    n=os.path.basename(t["command"][0]) if t.get("command") else t.get("name","").removeprefix("windows.")
    if n and n not in seen: seen.add(n); print(n)'
}

# The first build makes every program a regex may name; so does a later one
# when a program is missing (an interrupted run).
all_regexes=$(grep -v '^#' "$root/scripts/mutants.txt" | grep -v '^\s*$' | awk -F ' [|] ' '{print $5}' | sort -u)
build_all() {
  targets=$(cd "$root/tests" && ls */*_tests.cpp | grep -vE '^(gui|windows)/' | xargs -n1 basename | sed 's/\.cpp$//')
  cmake --build "$build" -j2 --target $targets >"$work/build.log" 2>&1 </dev/null
}
if [ ! -f "$work/built" ]; then
  build_all
  touch "$work/built"
fi

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
  id=$(printf '%s' "$line" | awk -F ' [|] ' '{print $1}')
  file=$(printf '%s' "$line" | awk -F ' [|] ' '{print $2}')
  old=$(printf '%s' "$line" | awk -F ' [|] ' '{print $3}')
  new=$(printf '%s' "$line" | awk -F ' [|] ' '{print $4}')
  regex=$(printf '%s' "$line" | awk -F ' [|] ' '{print $5}')
  printf '%s' "$id" | grep -qE "$pick" || continue
  cp -p "$src/$file" "$work/original"
  if ! mutate "$src/$file" "$old" "$new"; then
    echo "$id notfound $file" | tee -a "$results"
    continue
  fi
  progs=$(programs "$regex")
  if [ -z "$progs" ]; then
    build_all || true
    progs=$(programs "$regex")
  fi
  if [ -z "$progs" ]; then
    echo "$id noprograms $regex" | tee -a "$results"
    cp -p "$work/original" "$src/$file" && touch "$src/$file"
    continue
  fi
  if ! cmake --build "$build" -j2 --target $progs >"$work/last-build.log" 2>&1 </dev/null; then
    verdict="nocompile -"
  else
    out=$(ctest --test-dir "$build" -R "$regex" --timeout 600 -j2 </dev/null 2>&1 || true)
    failed=$(printf '%s\n' "$out" | sed -n '/tests FAILED:/,$p' | grep -oE '[0-9]+ - [^ ]+' | sed 's/^[0-9]* - //' | head -3 | paste -sd, -)
    if [ -n "$failed" ]; then verdict="caught $failed"
    elif printf '%s' "$out" | grep -q '100% tests passed'; then verdict="missed -"
    else verdict="error -"; fi
  fi
  echo "$id $verdict" | tee -a "$results"
  cp -p "$work/original" "$src/$file"
  touch "$src/$file"
done
# Leave the copy's programs built from the real sources.
cmake --build "$build" -j2 --target $(for r in $all_regexes; do programs "$r"; done | sort -u) >/dev/null 2>&1 || true
