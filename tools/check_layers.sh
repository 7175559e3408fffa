#!/usr/bin/env bash
# The layers' rules on includes. Each folder is a layer; the table below says
# which layers a layer's files may include, bottom up. A file that includes a
# layer its own may not, or an operating-system or toolkit header outside the
# platforms, the views and the skin engine, is printed and the check fails.
# Tests, tools and benchmarks may include anything.
#
#   bash tools/check_layers.sh                  the project's own files
#   bash tools/check_layers.sh --as PATH FILE   FILE as if it lay at PATH (a probe)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

# layer          folder               may include (besides itself)
layers='
platform         platform             -
platform_os      platform/linux       platform
platform_os      platform/windows     platform
host             host                 platform
pictures         pictures             platform
forms            forms                platform pictures
view             forms/qt             platform pictures forms skin_contract
view             forms/win32          platform pictures forms skin_contract
skin_engine      skins/engine         skin_contract
assets           assets               -
sites            sites                platform host forms assets
search           search               platform host forms sites
skins            skins                platform host forms assets
main_window      main_window          platform host forms assets sites search skins
welcome_window   welcome_window       platform host forms assets sites skins main_window
app              app                  platform host forms assets sites search skins main_window welcome_window
'
# Single headers with a layer of their own: the contract between the views
# and the skin engine, which both sides include; and the headers generated
# into the build (the embedded pictures and skins belong to the assets, the
# embedded engine library to the skins, Qt's Chinese to the Linux platform).
generated='skins/engine/own_colours.h:skin_contract pictures.h:assets skin_files.h:assets skin_engine_image.h:skins qt_translations.h:platform_os'

# Where operating-system and toolkit headers may appear: the platforms, the
# views, the skin engine, and the JPEG codec's Windows binding.
os_allowed='^((platform/linux|platform/windows|forms/qt|forms/win32|skins/engine)/|pictures/jpeg_decoder_wic\.cpp$)'
posix='unistd|fcntl|dlfcn|dirent|pthread|iconv|signal|spawn|poll|termios|pwd|grp|sched|semaphore|syslog|glob|fnmatch|link|elf|libgen|langinfo|wordexp|utmp|ftw|aio|mqueue|netdb|ifaddrs|xcb'
folders='sys|linux|asm|bits|arpa|net|netinet|X11|xcb|gnu'
qt='Q[A-Za-z0-9_]*|Qt[A-Za-z0-9_]*/[^>]*|qt6?/[^>]*|q[a-z0-9_]*\.h'
win='(windows|winbase|winuser|wingdi|shellapi|shlobj|shlwapi|commctrl|wincodec|objbase|ole2|oleacc|io|direct|process)\.h'
os_include="^[[:space:]]*#[[:space:]]*include[[:space:]]*<(($posix)\.h|($folders)/[^>]*|$qt|$win)>"

as=
if [ "${1:-}" = --as ]; then
  as=$2
  files=$3
elif git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  files=$(git ls-files --cached --others --exclude-standard)
else
  files=$(find . -path './build*' -prune -o -type f -print | sed 's|^\./||')
fi
sources=$(printf '%s\n' "$files" | grep -E '\.(c|cc|cpp|cxx|h|hh|hpp|inc|ipp)$' || true)
[ -n "$as" ] || sources=$(printf '%s\n' "$sources" | grep -Ev '^(tests|tools|bench)/' || true)

found=$(printf '%s\n' "$sources" | { grep -v '^$' || true; } | while IFS= read -r f; do
  [ -f "$f" ] || continue
  name=${as:-$f}
  if ! [[ $name =~ $os_allowed ]]; then grep -En "$os_include" "$f" | sed "s|^|$name:|; s/\$/   (operating-system or toolkit header)/" || true; fi
  grep -En '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$f" | sed "s|^|$name:|" || true
done | awk -v layers="$layers" -v generated="$generated" '
  BEGIN {
    n = split(layers, rows, "\n")
    for (i = 1; i <= n; i++) {
      if (split(rows[i], f, /[[:space:]]+/) < 3) continue
      folder[++count] = f[2]; layer_of_folder[f[2]] = f[1]
      for (j = 3; j in f; j++) if (f[j] != "-") may[f[1], f[j]] = 1
    }
    split(generated, g, " ")
    for (i in g) { split(g[i], kv, ":"); layer_of_file[kv[1]] = kv[2] }
  }
  # The layer of a path: its longest folder in the table.
  function layer_of(path,   i, best, len) {
    best = ""; len = 0
    for (i = 1; i <= count; i++)
      if (index(path, folder[i] "/") == 1 && length(folder[i]) > len) { best = layer_of_folder[folder[i]]; len = length(folder[i]) }
    return best
  }
  /operating-system or toolkit header/ { print; next }
  {
    file = $0; sub(/:.*/, "", file)
    target = $0; sub(/^[^"]*"/, "", target); sub(/".*/, "", target)
    from = layer_of(file)
    to = (target in layer_of_file) ? layer_of_file[target] : layer_of(target)
    if (from == "" || to == "" || from == to || may[from, to]) next
    print $0 "   (" from " may not include " to ")"
  }')

if [ -n "$found" ]; then
  echo "includes that break the layers:"
  echo "$found"
  exit 1
fi
echo "every include of $(printf '%s\n' "$sources" | grep -c .) files keeps to the layers"
