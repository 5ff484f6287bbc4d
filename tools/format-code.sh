#!/usr/bin/env bash
# Formats every tracked C++ file with the repository's .clang-format. With --check it changes
# nothing and fails, naming the places, when a file is not formatted.
set -euo pipefail
cd "$(dirname "$0")/.."

mode=(-i)
if [ "${1:-}" = "--check" ]; then
  mode=(--dry-run -Werror)
fi
git ls-files -z -- '*.cpp' '*.h' | xargs -0 --no-run-if-empty clang-format "${mode[@]}"
