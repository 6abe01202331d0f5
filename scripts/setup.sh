#!/usr/bin/env bash
# Brings a fresh Debian machine to the point where Morvane builds and its tests
# run: cross compilers, Wine, a virtual display, Chinese locale and fonts.
# Safe to run again; it installs only what is missing.
set -euo pipefail

packages=(
  cmake ninja-build g++ googletest
  g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix binutils-mingw-w64
  wine wine64
  xvfb xdotool imagemagick x11-utils
  locales fonts-wqy-microhei
  clang libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "setup: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

if ! locale -a 2>/dev/null | grep -qi '^zh_CN\.utf8$'; then
  echo "setup: generating zh_CN.UTF-8"
  sed -i 's/^# *zh_CN.UTF-8 UTF-8/zh_CN.UTF-8 UTF-8/' /etc/locale.gen
  grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' >>/etc/locale.gen
  locale-gen >/dev/null
fi

# The project's own Wine prefix, made once; never the user's ~/.wine.
here=$(cd "$(dirname "$0")/.." && pwd)
# shellcheck source=scripts/wine-env.sh
source "$here/scripts/wine-env.sh"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "setup: making the Wine prefix $WINEPREFIX"
  mkdir -p "$WINEPREFIX"
  WINEDLLOVERRIDES="mscoree,mshtml=" "$WINE64" wineboot --init >/dev/null 2>&1 || true
  # A crashing test program must fail its test, not wait on a dialog.
  "$WINE64" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1 || true
  "$WINESERVER" -w || true
fi
