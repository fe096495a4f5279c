#!/usr/bin/env bash
# Installs what is missing, builds, and starts the editor on the demo database with a
# simulated receiver attached. The demo files live in ~/.local/share/orvane-demo and
# are made once, so edits survive the next start (delete the folder to start over).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
build=${ORVANE_BUILD_DIR:-build}

data=${XDG_DATA_HOME:-$HOME/.local/share}/orvane-demo
mkdir -p "$data"
[ -s "$data/demo.dat" ] || "$build/fixtures/orvane-fixture" demo "$data/demo.dat"
[ -s "$data/receiver.dat" ] || "$build/fixtures/orvane-fixture" demo "$data/receiver.dat"

export KIVRA_DEVICE_DIR
KIVRA_DEVICE_DIR=$(mktemp -d /tmp/orvane-demo-usb.XXXXXX)
simulator="$build/simulator/kivra-simulator"
sim_pid=""
if [ -x "$simulator" ]; then
    "$simulator" --dir "$KIVRA_DEVICE_DIR" --db "$data/receiver.dat" --log "$data/simulator.log" &
    sim_pid=$!
fi
cleanup() {
    [ -n "$sim_pid" ] && kill "$sim_pid" 2>/dev/null || true
    rm -rf "$KIVRA_DEVICE_DIR"
}
trap cleanup EXIT
"$build/src/orvane" "$data/demo.dat"
