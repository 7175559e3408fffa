#!/usr/bin/env bash
# Installs the Debian packages the program and its tests need, when missing.
# Quick when everything is there: dpkg is asked first, apt only when needed.
set -euo pipefail
packages=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-translations-l10n libjpeg62-turbo-dev libxcb1-dev
  xdg-utils fonts-noto-cjk fonts-arphic-uming fonts-arphic-ukai
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  clang libclang-rt-14-dev clang-format
  xvfb xauth xdotool x11-utils imagemagick python3 python3-xlib attr
  at-spi2-core python3-pyatspi dbus
  desktop-file-utils appstream dpkg-dev lintian valgrind
  # The Windows build: the mingw-w64 cross compiler, and wine to run its tests
  # (locales holds the zh_CN definition that gives wine code page 936).
  g++-mingw-w64-x86-64-posix wine wine64 locales
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "installing: ${missing[*]}"
  SUDO=; [ "$(id -u)" -eq 0 ] || SUDO=sudo
  $SUDO apt-get update -q
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q "${missing[@]}"
fi
