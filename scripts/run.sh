#!/usr/bin/env bash
# Installs the dependencies, builds Caloriva and starts it with a simulated
# instrument: pyrosim on a pseudo-terminal that Caloriva sees as Com1.
# pyrosim ends when Caloriva ends. Extra arguments go to Caloriva (for
# example the factory switch).
#   CALORIVA_PROFILE=sim/profiles/Piro32.ini bash scripts/run.sh
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${CALORIVA_BUILD:-$root/build}"
profile="${CALORIVA_PROFILE:-$root/sim/profiles/Piro21.ini}"

bash "$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCALORIVA_TESTS=OFF -DCALORIVA_BENCH=OFF
cmake --build "$build" -j2 --target caloriva pyrosim Mirandel

# A first run records the measurements into the day folders of Arhiv/; once
# the settings file exists it is left as the user keeps it.
settings="$build/bin/ini/ProgSet.ini"
if [ ! -e "$settings" ]; then
  printf '[Main]\r\nAutoSave=1\r\n' >"$settings"
fi

fifo="$(mktemp -u)"
mkfifo "$fifo"
"$build/bin/pyrosim" --pty --profile "$profile" --log "$build/pyrosim.log" >"$fifo" &
sim=$!
trap 'kill "$sim" 2>/dev/null || true; wait "$sim" 2>/dev/null || true; rm -f "$fifo"' EXIT
exec 3<"$fifo"
read -r -t 10 device <&3 || { echo "pyrosim did not start" >&2; exit 1; }
echo "pyrosim: $device (log: $build/pyrosim.log)"

"$build/bin/caloriva" --port "Com1=$device" "$@"
