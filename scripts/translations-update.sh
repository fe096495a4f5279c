#!/usr/bin/env bash
# Brings translations/orvane_<lang>.ts up to date with the texts of the window code:
# new texts join unfinished, texts no longer in the code are dropped. Run after
# adding or changing a text; scripts/translations-check.sh fails until then.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/translations-common.sh
orvane_lupdate translations -no-obsolete
