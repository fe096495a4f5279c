#!/usr/bin/env bash
# Fails, naming the files, when a C++ source of the project is not formatted as
# .clang-format says (`cmake --build build --target format` formats them in place).
set -euo pipefail
cd "$(dirname "$0")/.."
find src tests fixtures simulator bench -name '*.cpp' -o -name '*.h' | sort |
    xargs clang-format --dry-run -Werror
