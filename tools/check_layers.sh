#!/usr/bin/env bash
# The layers' rule on headers: outside the platforms' own folders, the views
# and the skin engine (and the tests, tools and benchmarks), no file includes a
# POSIX, Linux, X11, Qt or Windows header; the JPEG codec's Windows binding is
# the one file of the picture codecs that may include the system's headers. The build already keeps Qt's include path
# from the core; every compiler sees the POSIX headers, so this looks for them.
# Prints each offending line and fails when there is one.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

allowed='^((app/platform/linux|app/platform/windows|forms/qt|forms/win32|skins/engine|tests|tools|bench)/|pictures/jpeg_decoder_wic\.cpp$)'
posix='unistd|fcntl|dlfcn|dirent|pthread|iconv|signal|spawn|poll|termios|pwd|grp|sched|semaphore|syslog|glob|fnmatch|link|elf|libgen|langinfo|wordexp|utmp|ftw|aio|mqueue|netdb|ifaddrs|xcb'
folders='sys|linux|asm|bits|arpa|net|netinet|X11|xcb|gnu'
qt='Q[A-Za-z0-9_]*|Qt[A-Za-z0-9_]*/[^>]*|qt6?/[^>]*|q[a-z0-9_]*\.h'
win='(windows|winbase|winuser|wingdi|shellapi|shlobj|shlwapi|commctrl|wincodec|objbase|ole2|io|direct|process)\.h'
include="^[[:space:]]*#[[:space:]]*include[[:space:]]*<(($posix)\.h|($folders)/[^>]*|$qt|$win)>"

if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  files=$(git ls-files --cached --others --exclude-standard)
else
  files=$(find . -path './build*' -prune -o -type f -print | sed 's|^\./||')
fi
sources=$(printf '%s\n' "$files" | grep -E '\.(c|cc|cpp|cxx|h|hh|hpp|inc|ipp)$' | grep -Ev "$allowed" || true)

found=$(printf '%s\n' "$sources" | { grep -v '^$' || true; } | while IFS= read -r f; do
  [ -f "$f" ] && grep -EnH "$include" "$f" || true
done)
if [ -n "$found" ]; then
  echo "POSIX, Linux, Qt or Windows headers outside the platforms, the views and skins/engine/:"
  echo "$found"
  exit 1
fi
echo "no POSIX, Linux, Qt or Windows header in $(printf '%s\n' "$sources" | grep -c .) files of the other layers"
