#!/usr/bin/env bash
# Remakes docs/screenshots/windows/: the windows and pages of
# docs/screenshots/, taken from the Windows build under wine
# (tools/wine-env.sh) by tools/screenshots.py.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash tools/deps.sh
cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-windows -j"$(nproc)" --target yanzhou-search
source tools/wine-env.sh
/usr/bin/python3 tools/screenshots.py build-windows/bin/yanzhou-search.exe docs/screenshots/windows
