#!/usr/bin/env bash
# Runs the scaled main window test (win32_scale_test.cpp) once per display
# scale, once at 150 % on a 1366 x 768 display (where the main window fits at
# 125 % only), and once under a Windows-10-like frame at 100 %, each on a wine
# server started anew (wine reads the scale when its server starts), in a
# wine prefix, server and display of its own (tools/wine-env.sh): the scales
# and frames set here and the servers restarted never reach the tests that
# share the run's prefix (a frame metric once put back still left wine's
# caption a pixel lower for them).
# Usage: scales.sh path/to/windows_scale_tests.exe
set -u
test_exe=$(realpath "$1")
source "$(dirname "$0")/../../tools/wine-env.sh" || exit 1
desktop='HKCU\Control Panel\Desktop'
metrics='HKCU\Control Panel\Desktop\WindowMetrics'
quiet() { "$@" >/dev/null 2>&1 </dev/null; }
restart() {
  quiet wineserver -k
  quiet wineserver -p
}
set_scale() {
  quiet wine reg add "$desktop" /v LogPixels /t REG_DWORD /d "$1" /f
  quiet wine reg add 'HKCU\Software\Wine\Fonts' /v LogPixels /t REG_DWORD /d "$1" /f
}
failed=0
run() {  # name dpi [shown dpi]
  restart
  echo "== $1"
  YZ_DPI=$2 YZ_SHOWN_DPI=${3:-$2} wine "$test_exe" || failed=1
}
for dpi in ${YZ_SCALES:-120 144 192}; do
  set_scale "$dpi"
  run "LogPixels $dpi" "$dpi"
done
# A smaller display of its own: wine's desktop follows DISPLAY once its
# server starts anew.
Xvfb -displayfd 4 -screen 0 1366x768x24 -nolisten tcp 4>"$yz_wine_dir/small" >/dev/null 2>&1 &
small_xvfb=$!
for _ in $(seq 100); do
  grep -q '^[0-9]' "$yz_wine_dir/small" 2>/dev/null && break
  sleep 0.05
done
wide_display=$DISPLAY
DISPLAY=":$(head -n1 "$yz_wine_dir/small")"
set_scale 144
run "LogPixels 144 on 1366 x 768" 144 120
DISPLAY=$wide_display
kill "$small_xvfb" 2>/dev/null
wait "$small_xvfb" 2>/dev/null
set_scale 96
# Windows 10's 22-pixel caption and its 4-pixel padded border.
quiet wine reg add "$metrics" /v CaptionHeight /t REG_SZ /d -330 /f
quiet wine reg add "$metrics" /v PaddedBorderWidth /t REG_SZ /d -60 /f
run "LogPixels 96, Windows 10 frame" 96
exit $failed
