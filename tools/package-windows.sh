#!/usr/bin/env bash
# Makes the Windows release, build-windows/yanzhou-search-windows-x64.zip:
# the program without its debugging information, and a short read-me in
# Chinese (UTF-8 with the byte order mark and CRLF lines, which Notepad reads
# on a Windows of any language). Builds the program first when needed.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash tools/build-windows.sh

release=build-windows/release
rm -rf "$release"
mkdir -p "$release"
x86_64-w64-mingw32-strip -o "$release/yanzhou-search.exe" build-windows/bin/yanzhou-search.exe
{ printf '\xef\xbb\xbf'; sed 's/$/\r/' packaging/windows/readme-zh.txt; } >"$release/说明.txt"
# Python's zipfile marks the Chinese name as UTF-8, so Explorer shows it right
# whatever the system's code page.
zip=build-windows/yanzhou-search-windows-x64.zip
/usr/bin/python3 - "$release" "$zip" <<'PY'
import os, sys, zipfile
release, zip_path = sys.argv[1], sys.argv[2]
with zipfile.ZipFile(zip_path + ".tmp", "w", zipfile.ZIP_DEFLATED, compresslevel=9) as z:
    for name in ("yanzhou-search.exe", "说明.txt"):
        z.write(os.path.join(release, name), name)
os.replace(zip_path + ".tmp", zip_path)
PY
echo "$zip: $(stat -c %s "$zip") bytes (the program $(stat -c %s "$release/yanzhou-search.exe") bytes)"
