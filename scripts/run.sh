#!/usr/bin/env bash
# Morvane's main job: installs what is missing and builds the program.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
cd "$here"
bash scripts/setup.sh
cmake --preset win32 -DMORVANE_TESTS=OFF >/dev/null && cmake --build --preset win32
cmake --preset win64 >/dev/null && cmake --build --preset win64
echo "The window is not built yet: the core libraries are in build/win32 and build/win64."
