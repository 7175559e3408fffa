# shellcheck shell=bash
# Sourced by the scripts that run the Windows build under wine:
#     source tools/wine-env.sh
# It sets up, for this shell and the commands it starts (ctest, wine):
# - a virtual display (Xvfb) of its own, in DISPLAY, 1920×1080 as the
#   end-to-end tests expect;
# - a fresh wine prefix (WINEPREFIX) in a temporary folder, with one wine
#   server kept running until the shell exits, so that no test pays wine's
#   start-up of about half a second;
# - the zh_CN.UTF-8 locale, generated into the same folder (LOCPATH), so that
#   wine's ANSI code page is 936 as on a Chinese Windows;
# - font substitutes: 宋体 and @宋体 to AR PL UMing CN, 楷体_GB2312 to AR PL UKai
#   CN, and wine's own Tahoma and Marlett in the prefix's Fonts folder; the
#   default GUI font ("MS Shell Dlg") is the Ming face too, as a Chinese
#   Windows draws it in 宋体;
# - 宋体 drawn as Windows draws it: crisp from the Ming face's bitmap strikes
#   at 11 to 16 pixels (tools/wine_ming_face.py), bold ones too, and smoothed
#   at other sizes;
# - the form view's tests drawn without window manager hints: with them, and
#   no window manager on the display, wine takes 2 s to hide a window;
# - no crash dialog: a test that crashes ends at once, with wine's report.
# On exit the server is stopped and the display and the folder removed; a
# script with its own EXIT trap calls yz_wine_stop there.
yz_wine_dir=$(mktemp -d "${TMPDIR:-/tmp}/yz-wine.XXXXXX")
yz_xvfb_pid=

yz_wine_stop() {
  WINEPREFIX=$yz_wine_dir/prefix wineserver -k >/dev/null 2>&1 || true
  if [ -n "$yz_xvfb_pid" ]; then
    kill "$yz_xvfb_pid" 2>/dev/null || true
    wait "$yz_xvfb_pid" 2>/dev/null || true
  fi
  rm -rf "$yz_wine_dir"
}
trap yz_wine_stop EXIT

# Xvfb chooses a free display and writes its number once it is ready. The
# first wine process ties wine's desktop to this display, so it comes first.
Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp 3>"$yz_wine_dir/display" >/dev/null 2>&1 &
yz_xvfb_pid=$!
for _ in $(seq 100); do
  grep -q '^[0-9]' "$yz_wine_dir/display" 2>/dev/null && break
  sleep 0.05
done
grep -q '^[0-9]' "$yz_wine_dir/display" || { echo "wine-env: Xvfb did not start" >&2; return 1; }
export DISPLAY=":$(head -n1 "$yz_wine_dir/display")"

mkdir -p "$yz_wine_dir/locale"
localedef -i zh_CN -f UTF-8 "$yz_wine_dir/locale/zh_CN.UTF-8" >/dev/null 2>&1 ||
  [ -e "$yz_wine_dir/locale/zh_CN.UTF-8/LC_CTYPE" ] ||
  { echo "wine-env: localedef could not make zh_CN.UTF-8" >&2; return 1; }
# (The shell itself cannot load the locale from LOCPATH and says so; wine can.)
{ export LOCPATH=$yz_wine_dir/locale LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8; } 2>/dev/null

export WINEPREFIX=$yz_wine_dir/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$WINEPREFIX"
# Output of wine's first processes goes to /dev/null, never to a pipe: the
# server and its services inherit it, and a reader would wait for them.
# wineboot makes the prefix with a server of its own, which is then stopped:
# a persistent server kept through wineboot's restart of the wine services
# ended up with two service managers, and every later start of the RPC
# service (by the first window of a program) waited 10 s for nothing.
wineboot -i >/dev/null 2>&1 </dev/null
wineserver -k >/dev/null 2>&1 || true
wineserver -p >/dev/null 2>&1 </dev/null

cp /usr/share/wine/fonts/tahoma.ttf /usr/share/wine/fonts/tahomabd.ttf /usr/share/wine/fonts/marlett.ttf \
  "$WINEPREFIX/drive_c/windows/Fonts/"
# A .reg file in UTF-16 carries the Chinese value names intact in any locale.
{
  printf '\xff\xfe'
  printf '%s\r\n' 'Windows Registry Editor Version 5.00' '' \
    '[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes]' \
    '"宋体"="AR PL UMing CN"' '"@宋体"="@AR PL UMing CN"' '"楷体_GB2312"="AR PL UKai CN"' \
    '"MS Shell Dlg"="AR PL UMing CN"' '' \
    '[HKEY_CURRENT_USER\Software\Wine\WineDbg]' '"ShowCrashDialog"=dword:00000000' '' \
    '[HKEY_CURRENT_USER\Software\Wine\AppDefaults\forms_win32_tests.exe\X11 Driver]' '"Managed"="N"' '' |
    iconv -f UTF-8 -t UTF-16LE
} >"$yz_wine_dir/fonts.reg"
wine regedit /S "Z:${yz_wine_dir//\//\\}\\fonts.reg" >/dev/null 2>&1 </dev/null

# Wine smooths a face at every size its 'gasp' table asks it to (the Ming
# face's asks at all sizes) and whatever the table asks when it emboldens a
# face lacking bold. The prefix's own copy of the face, which wine prefers,
# asks as 宋体 does; emboldened text follows the table too.
python3 "$(dirname "${BASH_SOURCE[0]}")/wine_ming_face.py" /usr/share/fonts/truetype/arphic/uming.ttc \
  "$WINEPREFIX/drive_c/windows/Fonts/uming.ttc"
wine reg add 'HKCU\Software\Wine\Fonts' /v AntialiasFakeBoldOrItalic /t REG_SZ /d n /f >/dev/null 2>&1 </dev/null

# Wine writes the code page it runs with into the registry.
if ! wine reg query 'HKLM\System\CurrentControlSet\Control\Nls\CodePage' /v ACP 2>/dev/null </dev/null |
  grep -q 'ACP.*936'; then
  echo "wine-env: wine's code page is not 936" >&2
  return 1
fi
