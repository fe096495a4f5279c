#!/usr/bin/env bash
# Configures and builds into build/ (or $ORVANE_BUILD_DIR). Warnings are errors unless
# ORVANE_WERROR=OFF is set (the package's build sets it).
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${ORVANE_BUILD_DIR:-build}
cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVANE_WERROR="${ORVANE_WERROR:-ON}" "$@" >/dev/null
cmake --build "$dir" -j"$(nproc)"
