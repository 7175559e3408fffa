#!/usr/bin/env bash
# Builds and runs every test: the format check, the normal build, the same
# tests built with AddressSanitizer and UndefinedBehaviorSanitizer, and the
# bounded fuzzing, then the Windows build cross-compiled with mingw-w64 and its
# tests run under wine. Every build treats warnings as errors.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash tools/deps.sh
jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

echo "== format"
bash tools/check_format.sh

echo "== build"
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS=-Werror >/dev/null
cmake --build build -j"$jobs"
echo "== tests"
ctest --test-dir build --output-on-failure -j"$jobs"

echo "== tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DYZ_SANITIZE=ON -DYZ_BENCH=OFF -DCMAKE_CXX_FLAGS=-Werror >/dev/null
cmake --build build-asan -j"$jobs"
ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-asan --output-on-failure -j"$jobs" -LE no-sanitizer

echo "== fuzzing"
bash tools/fuzz.sh

echo "== the Windows build, its tests under wine"
bash tools/test-windows.sh
