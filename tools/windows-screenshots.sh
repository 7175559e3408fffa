#!/usr/bin/env bash
# Screenshots of the Windows build under wine on a virtual display: the
# welcome window while its bar fills and once it offers to enter, then the
# main window's five pages, clicked along the tab strip as a reader would.
#     bash tools/windows-screenshots.sh [FOLDER]    (default docs/screenshots/windows)
# Needs build-windows/bin/yanzhou-search.exe (bash tools/test-windows.sh builds it).
# The shots are the windows' client areas: no window manager draws a frame.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=$(realpath -m "${1:-$root/docs/screenshots/windows}")
mkdir -p "$out"
# A screen as wide as the main window's place needs: it stands 1430 pixels
# left of the screen's right edge.
YZ_SCREEN=1920x1080 source "$root/tools/wine-env.sh"
folder=$yz_wine_dir/program
mkdir -p "$folder"
cp "$root/build-windows/bin/yanzhou-search.exe" "$folder/"
(cd "$folder" && exec wine ./yanzhou-search.exe >/dev/null 2>&1 </dev/null) &

# The first shown X window of the program whose title is $1 (the welcome
# window has none), as "id x y".
window_titled() {
  for _ in $(seq 200); do
    for id in $(xdotool search --onlyvisible --class yanzhou-search.exe 2>/dev/null); do
      if [ "$(xdotool getwindowname "$id")" = "$1" ]; then
        eval "$(xdotool getwindowgeometry --shell "$id")"
        echo "$id $X $Y"
        return
      fi
    done
    sleep 0.05
  done
  echo "windows-screenshots: no window \"$1\"" >&2
  return 1
}
shot() {
  import -window "$1" "$out/$2.tmp.png"
  convert "$out/$2.tmp.png" -strip "$out/$2.png"
  rm "$out/$2.tmp.png"
  echo "$out/$2.png"
}

read -r welcome wx wy < <(window_titled "")
sleep 2
shot "$welcome" welcome-1-loading
sleep 5
shot "$welcome" welcome-2-ready
# The enter button, as the welcome layout places it.
xdotool mousemove --sync $((wx + 296)) $((wy + 52)) click 1

read -r main mx my < <(window_titled "砚舟小说搜索器V1.4正式版 ")
sleep 1.2
pages=(sites books settings notes downloads)
for i in "${!pages[@]}"; do
  xdotool mousemove --sync $((mx + 8 + 60 * i + 25)) $((my + 90)) click 1 mousemove 0 0
  sleep 0.4
  shot "$main" "main-$((i + 1))-${pages[$i]}"
done
