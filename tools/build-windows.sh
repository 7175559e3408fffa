#!/usr/bin/env bash
# Builds the Windows build's targets in build-windows/ (the program when none
# is named), installing the cross compiler and wine first when missing.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash tools/deps.sh
cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-windows -j"$(nproc)" --target "${@:-yanzhou-search}"
