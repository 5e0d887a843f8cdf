#!/usr/bin/env bash
# Checks that every C++ source is laid out as .clang-format says; with --fix,
# lays them out. The generated superancillary coefficients are left as their
# generator writes them.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files '*.cpp' '*.hpp' '*.h' | grep -v -x 'calc/superancillary_coefficients.cpp')
if [ "${1:-}" = --fix ]; then
  clang-format -i "${files[@]}"
else
  clang-format --dry-run --Werror "${files[@]}"
  echo "format: ${#files[@]} files as .clang-format lays them out"
fi
