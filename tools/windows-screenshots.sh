#!/usr/bin/env bash
# Remakes docs/screenshots/windows/: the windows and pages of
# docs/screenshots/, taken from the Windows build under wine
# (tools/wine-env.sh) by tools/screenshots.py.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash tools/build-windows.sh
source tools/wine-env.sh
/usr/bin/python3 tools/screenshots.py build-windows/bin/yanzhou-search.exe docs/screenshots/windows
