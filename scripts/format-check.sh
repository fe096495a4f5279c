#!/usr/bin/env bash
# Fails, naming the files, when a C++ source of the project is not formatted as
# .clang-format says (`cmake --build build --target format` formats them in place).
set -euo pipefail
cd "$(dirname "$0")/.."
git ls-files -- 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' 'fixtures/*.cpp' 'fixtures/*.h' \
    'simulator/*.cpp' 'simulator/*.h' 'bench/*.cpp' 'bench/*.h' |
    xargs clang-format --dry-run -Werror
