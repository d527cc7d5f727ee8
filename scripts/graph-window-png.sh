#!/usr/bin/env bash
# Draws the graph window with four filled lines into docs/graph-window.png.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${CALORIVA_PNG_BUILD:-$root/build-bench}"

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCALORIVA_TESTS=OFF
cmake --build "$build" --target graph_window_png -j2
mkdir -p "$root/docs"
QT_QPA_PLATFORM=offscreen "$build/tools/graph_window_png" "$root/docs/graph-window.png"
echo "$root/docs/graph-window.png"
