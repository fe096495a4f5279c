#!/usr/bin/env bash
# Runs the fuzz target over opening and reading a receiver file, with clang's
# libFuzzer under AddressSanitizer and UndefinedBehaviorSanitizer.
#   bash scripts/fuzz.sh [SECONDS]     (default 600; CI runs 90)
# Starts from the fixture sets, the hostile files of the tests and the regression
# corpus; the corpus it grows is kept in build-fuzz/corpus for the next run. A crash
# is copied into tests/fuzz/regressions/ (commit it: CTest replays that folder) and
# the script fails.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-600}
bash scripts/install-deps.sh

CC=clang-14 CXX=clang++-14 cmake -S . -B build-fuzz -DORVANE_WERROR=ON -DORVANE_FUZZ=ON -DORVANE_GUI=OFF -DORVANE_TESTS=OFF \
    -DORVANE_BENCH=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz -j"$(nproc)" --target orvane_fuzz_open orvane-fixture >/dev/null

seeds=build-fuzz/seeds
corpus=build-fuzz/corpus
crashes=build-fuzz/crashes
rm -rf "$seeds" "$crashes"
mkdir -p "$seeds" "$corpus" "$crashes"
build-fuzz/fixtures/orvane-fixture empty "$seeds/empty.dat"
build-fuzz/fixtures/orvane-fixture demo "$seeds/demo.dat"
build-fuzz/fixtures/orvane-fixture hostile "$seeds"

log=build-fuzz/fuzz.log
start=$(date +%s)
status=0
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    build-fuzz/tests/fuzz/orvane_fuzz_open -max_total_time="$seconds" -print_final_stats=1 -timeout=30 \
    -rss_limit_mb=2048 -max_len=262144 -artifact_prefix="$crashes/" \
    "$corpus" "$seeds" tests/fuzz/regressions >"$log" 2>&1 || status=$?
elapsed=$(( $(date +%s) - start ))
executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
echo "fuzz: ${executions:-0} executions in ${elapsed} s"
if [ "$status" -ne 0 ] || [ -n "$(ls -A "$crashes")" ]; then
    tail -60 "$log"
    for crash in "$crashes"/*; do
        [ -e "$crash" ] || continue
        cp "$crash" "tests/fuzz/regressions/$(basename "$crash")"
        echo "fuzz: crash kept as tests/fuzz/regressions/$(basename "$crash")"
    done
    exit 1
fi
echo "fuzz: no crash"
