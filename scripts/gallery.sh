#!/usr/bin/env bash
# Remakes docs/gallery: a picture of every window of the program, "<screen name>.png", rendered
# offscreen at scale 1 by hanhai-tour. Pictures of windows that no longer exist are removed.
# Builds in build/ (Release), or in the tree named by HANHAI_BUILD_TREE.
set -euo pipefail
cd "$(dirname "$0")/.."
tree="${HANHAI_BUILD_TREE:-build}"
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-/tmp/runtime-$(id -u)}"
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
scripts/setup.sh
cmake -S . -B "$tree" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$tree" --target hanhai-tour

# Rendered aside first: a tour that fails leaves the gallery as it was.
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
QT_QPA_PLATFORM=offscreen "$tree/hanhai-tour" "$scratch" --scale 1 >/dev/null
mkdir -p docs/gallery
find docs/gallery -maxdepth 1 -name '*.png' -delete
cp "$scratch"/*.png docs/gallery/
echo "$(find docs/gallery -maxdepth 1 -name '*.png' | wc -l) windows in docs/gallery ($(du -sh docs/gallery | cut -f1))"
