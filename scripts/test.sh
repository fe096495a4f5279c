#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
cd "${ORVANE_BUILD_DIR:-build}"
ctest --output-on-failure --timeout 600 -j"$(nproc)"
