#!/usr/bin/env bash
# Morvane's main job: installs what is missing, builds the program, and runs it.
#
# With a display ($DISPLAY set) the window opens there. Without one, the job is
# done on a virtual screen as a user would do it: a sample folder of long
# Chinese and English video titles with their cover pictures is made, its path
# and a limit are typed into the window, the start button is clicked, and after
# one scan the folder is listed again and the window is photographed.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
cd "$here"

bash scripts/setup.sh
# shellcheck source=scripts/wine-env.sh
source scripts/wine-env.sh

# The shipped 32-bit program, and the 64-bit one that runs under this Wine.
cmake --preset win32 -DMORVANE_TESTS=OFF >/dev/null
cmake --build --preset win32 --target morvane
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target morvane
exe="$here/build/win64/app/morvane.exe"
echo "built: build/win32/app/morvane.exe (shipped), build/win64/app/morvane.exe (run here)"

if [ -n "${DISPLAY:-}" ]; then
  echo "Morvane is open on $DISPLAY; close its window to end."
  exec "$WINE64" "$exe"
fi

# ---- No display: the whole job on a virtual screen. ----
sample=${MORVANE_SAMPLE:-/tmp/morvane-sample}
limit=${MORVANE_LIMIT:-10}
out="$here/build/run"
mkdir -p "$out"
rm -rf "$sample"
mkdir -p "$sample"
titles=(
  "2024年夏天我们一起去海边旅行拍摄的超长视频记录第一集完整版"
  "周末在家做饭的日常生活记录与美食分享"
  "A very long English video title that goes on and on"
  "How to keep a folder of videos tidy, part two"
  "short clip"
)
for t in "${titles[@]}"; do
  printf 'video: %s\n' "$t" >"$sample/$t.mp4"
  printf 'cover: %s\n' "$t" >"$sample/$t.jpg"
done
folder="Z:${sample//\//\\}" # the same folder as Wine's programs see it

echo
echo "== folder $sample before (limit $limit characters):"
ls -1 "$sample"

cat >"$out/session.sh" <<SESSION
set -uo pipefail
source "$here/scripts/wine-env.sh"
"\$WINESERVER" -k >/dev/null 2>&1
# A Wine desktop of known size draws the window with its title bar.
"\$WINE64" explorer /desktop=morvane-run,1024x420 "$exe" >/dev/null 2>&1 &
window=""
for _ in \$(seq 1 300); do
  window=\$(xdotool search --name '^Morvane   ' 2>/dev/null | head -n 1) && [ -n "\$window" ] && break
  sleep 0.1
done
[ -n "\$window" ] || { echo "run: the window did not open" >&2; "\$WINESERVER" -k; exit 1; }
sleep 1
desktop=\$(xdotool search --name '^morvane-run - Wine desktop' | head -n 1)
xdotool windowfocus --sync "\$desktop" 2>/dev/null || true
# The directory box has the focus when the window opens.
xdotool type --delay 40 '$folder'
# Tab to the limit box, clear its "30", type the limit.
xdotool key --delay 80 Tab End BackSpace BackSpace
xdotool type --delay 80 '$limit'
# Click the start button: client (564, 40) below the window's title bar.
xdotool mousemove --window "\$window" 567 66 click 1
# One scan: every title checked, then the pause text.
for _ in \$(seq 1 300); do
  ls "$sample" | grep -qE '.{$((limit + 1)),}\.mp4$' || break
  sleep 0.1
done
sleep 1.5
import -window "\$window" "$out/screenshot.png"
xdotool key Escape  # closes the window and ends the program
for _ in \$(seq 1 50); do xdotool search --name '^Morvane   ' >/dev/null 2>&1 || break; sleep 0.1; done
"\$WINESERVER" -k >/dev/null 2>&1
SESSION
xvfb-run -a -s "-screen 0 1024x420x24" bash "$out/session.sh"

echo
echo "== folder $sample after one scan:"
ls -1 "$sample"
echo
echo "screenshot of the window: $out/screenshot.png"
