#!/usr/bin/env bash
# Builds the Windows build (mingw-w64, build-windows/) and runs its tests
# under wine on a virtual display (tools/wine-env.sh). Prints how long each
# step took.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
jobs=$(nproc)
step_start=$(date +%s.%N)
step() {
  local now
  now=$(date +%s.%N)
  awk -v a="$step_start" -v b="$now" 'BEGIN { printf "   (%.1f s)\n", b - a }'
  step_start=$now
  [ $# -eq 0 ] || echo "== $*"
}

echo "== packages"
bash tools/deps.sh
step "configure"
cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS=-Werror >/dev/null
step "build"
cmake --build build-windows -j"$jobs"
step "wine prefix, server, display"
source tools/wine-env.sh
step "tests under wine"
ctest --test-dir build-windows --output-on-failure -j"$jobs"
step
