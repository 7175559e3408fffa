#!/usr/bin/env bash
# Checks that every C++ file of the tree is exactly as clang-format writes it
# with the project's .clang-format. Tables laid out by hand are fenced with
# // clang-format off and on. To bring the files in line:
#   git ls-files -z '*.cpp' '*.h' '*.c' | xargs -0 clang-format -i
set -euo pipefail
cd "$(dirname "$0")/.."
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  mapfile -d '' files < <(git ls-files -z --cached --others --exclude-standard '*.cpp' '*.h' '*.c')
else
  mapfile -d '' files < <(find . -path './build*' -prune -o -type f \( -name '*.cpp' -o -name '*.h' -o -name '*.c' \) -print0)
fi
clang-format --dry-run --Werror "${files[@]}"
echo "${#files[@]} files as clang-format writes them"
