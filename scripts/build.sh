#!/usr/bin/env bash
# Configures and builds a tree: build/ (Release) by default, or build-asan/ (AddressSanitizer
# and UndefinedBehaviorSanitizer) with --sanitize.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "${1:-}" = --sanitize ]; then
  cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DHANHAI_SANITIZE=ON >/dev/null
  cmake --build build-asan
else
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build build
fi
