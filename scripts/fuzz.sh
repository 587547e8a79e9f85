#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for the given number of seconds (default 30),
# starting from the seed corpus in fuzz/corpus; new inputs go to a scratch folder.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-30}"
CXX=clang++ cmake -S fuzz -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz
for target in build-fuzz/fuzz_*; do
  name="$(basename "$target")"
  scratch="$(mktemp -d)"
  echo "== $name for ${seconds}s"
  status=0
  "$target" -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix=build-fuzz/ "$scratch" "fuzz/corpus/${name#fuzz_}" \
    >"$scratch.log" 2>&1 || status=$?
  if [ "$status" -ne 0 ]; then
    tail -n 60 "$scratch.log" >&2
    echo "$name failed; the input is in build-fuzz/ as crash-* or leak-*" >&2
    exit 1
  fi
  grep -E "^Done|number_of_executed_units" "$scratch.log"
  rm -rf "$scratch" "$scratch.log"
done
