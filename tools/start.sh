#!/usr/bin/env bash
# Builds the program and starts it. Without a display it starts on a virtual
# one (Xvfb), saves a screenshot, prints the PNG's path and ends the program.
# With --screenshots it remakes docs/screenshots/ instead: both windows and
# every page and inner page of the main window, on a virtual display.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash tools/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target yanzhou-search
if [ "${1:-}" = --screenshots ]; then
  exec /usr/bin/python3 tools/screenshots.py build/bin/yanzhou-search docs/screenshots
fi
if [ -n "${DISPLAY:-}" ]; then
  exec build/bin/yanzhou-search
fi
shot="$root/build/screenshot.png"
display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
for _ in $(seq 50); do xdpyinfo -display "$display" >/dev/null 2>&1 && break; sleep 0.1; done
DISPLAY=$display build/bin/yanzhou-search &
app=$!
sleep "${YZ_SHOT_DELAY:-3}"
DISPLAY=$display import -window root "$shot"
kill "$app" 2>/dev/null || true
wait "$app" 2>/dev/null || true
echo "$shot"
