#!/usr/bin/env bash
# Measures the program against a bare Qt window and a window showing one line
# of Chinese in each mapped face, on a virtual display of its own: start-up
# to a painted window (later and first start) in milliseconds and in
# instructions, idle CPU, peak memory, and the GUI-thread time of a search;
# then the Windows build's start under wine beside a bare Win32 window
# (tools/bench-windows.sh).
# Each figure is printed beside its references and its goal; the exit status
# is 0 only when every goal holds.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash tools/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target yanzhou-search bare-window cjk-label-window search-bench

# Xvfb picks a free display number itself and tells it through a file.
numberfile=$(mktemp)
Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp -ac -br 3>"$numberfile" >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true; wait $xvfb 2>/dev/null || true; rm -f "$numberfile"' EXIT
for _ in $(seq 100); do [ -s "$numberfile" ] && break; sleep 0.1; done
number=$(head -n1 "$numberfile")

status=0
echo "== start-up, idle cost and memory (display :$number)"
/usr/bin/python3 bench/startup_bench.py --display ":$number" \
  --program build/bin/yanzhou-search --bare build/bin/bare-window \
  --label build/bin/cjk-label-window --engine build/lib/SkinH_EL.dll \
  --runs "${YZ_BENCH_RUNS:-15}" || status=1

echo "== search"
QT_QPA_PLATFORM=offscreen build/bin/search-bench || status=1

echo "== the Windows build under wine"
bash tools/bench-windows.sh || status=1
exit $status
