# Sourced by the scripts: where Wine lives and how it runs our programs.
# Under zh_CN.UTF-8 Wine's ANSI code page is 936 (GBK), as on our users' systems.
export WINEPREFIX="${MORVANE_WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/morvane/wineprefix}"
export WINEARCH=win64
export WINEDEBUG="${WINEDEBUG:--all}"
export LC_ALL=zh_CN.UTF-8
WINE64=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver
[ -x "$WINESERVER" ] || WINESERVER=$(command -v wineserver || echo wineserver)
export WINE64 WINESERVER
