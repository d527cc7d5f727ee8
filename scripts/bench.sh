#!/usr/bin/env bash
# Builds an optimised tree and runs every benchmark of bench/.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${CALORIVA_BENCH_BUILD:-$root/build-bench}"

bash "$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCALORIVA_TESTS=OFF
cmake --build "$build" -j2
export QT_QPA_PLATFORM=offscreen
for b in "$build"/bench/*; do
  [ -f "$b" ] && [ -x "$b" ] || continue
  echo "== $(basename "$b")"
  "$b" "$@"
done
