#!/usr/bin/env bash
# The Windows build's start-up under wine beside a bare Win32 window of the
# same size, the same with two lines of Chinese and the same with the
# program's search strip and first page as bare Win32 controls, with one wine
# server kept running (tools/wine-env.sh); measures the program as released
# (tools/package-windows.sh) and prints its size.
# The exit status is 0 only when the goal holds.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash tools/package-windows.sh
bash tools/build-windows.sh bare-window controls-window SkinH_EL
source tools/wine-env.sh
/usr/bin/python3 bench/wine_startup_bench.py --program build-windows/release/yanzhou-search.exe \
  --bare build-windows/bin/bare-window.exe --controls build-windows/bin/controls-window.exe \
  --engine build-windows/bin/SkinH_EL.dll --runs "${YZ_BENCH_RUNS:-15}"
