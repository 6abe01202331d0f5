#!/usr/bin/env bash
# Runs one Windows program under 64-bit Wine in the project's prefix,
# with the Chinese ANSI code page. Used by CTest for the Windows builds.
here=$(cd "$(dirname "$0")" && pwd)
source "$here/wine-env.sh"
exec "$WINE64" "$@"
