#!/bin/sh
# Builds the fuzz targets with clang (libFuzzer, AddressSanitizer, UBSan) into
# build-fuzz/ and runs each for the given number of seconds (default 30) over
# its corpus in tests/fuzz/corpus/NAME. New corpus entries go to a scratch folder.
set -eu
cd "$(dirname "$0")/.."
seconds="${1:-30}"
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVELOMAR_FUZZ=ON -DVELOMAR_TESTS=OFF -DVELOMAR_BENCH=OFF >/dev/null
cmake --build build-fuzz -j"$(nproc)" >/dev/null
found=0
for bin in build-fuzz/tests/fuzz/fuzz_*; do
  [ -x "$bin" ] || continue
  name=$(basename "$bin")
  corpus="tests/fuzz/corpus/${name#fuzz_}"
  scratch=$(mktemp -d)
  echo "fuzz: $name for ${seconds}s"
  # A pipe would hide the fuzzer's exit status: a finding must fail the run.
  status=0
  "$bin" -max_total_time="$seconds" -print_final_stats=0 "$scratch" "$corpus" \
    >"$scratch.log" 2>&1 || status=$?
  if [ "$status" -ne 0 ]; then
    tail -n 40 "$scratch.log" >&2
    rm -rf "$scratch" "$scratch.log"
    echo "fuzz: $name found a fault (exit $status)" >&2
    exit 1
  fi
  tail -n 2 "$scratch.log"
  rm -rf "$scratch" "$scratch.log"
  found=$((found + 1))
done
echo "fuzz: $found targets ran without a finding"
