#!/usr/bin/env bash
# Every test of Morvane: installs what is missing, builds the three presets,
# runs the native tests (ASan + UBSan) and the Windows test programs under Wine
# inside a virtual display, and prints one summary. Non-zero on any failure.
set -uo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
cd "$here"

bash scripts/setup.sh || { echo "setup failed"; exit 1; }
source scripts/wine-env.sh

failed_steps=()
step() {
  local name=$1
  shift
  echo "==> $name"
  "$@" || failed_steps+=("$name")
}

for preset in native win64 win32 fuzz; do
  step "configure $preset" cmake --preset "$preset" >/dev/null
  step "build $preset" cmake --build --preset "$preset"
done

logs=$(mktemp -d)
step "native tests" bash -c "ctest --preset native --timeout 300 2>&1 | tee '$logs/native.log'; exit \${PIPESTATUS[0]}"
# A few seconds per target; a longer run: build/fuzz/fuzz/<target> -max_total_time=600
step "fuzzing" bash -c "ctest --preset fuzz 2>&1 | tee '$logs/fuzz.log'; exit \${PIPESTATUS[0]}"

# One virtual screen and one Wine server for all the Windows programs.
step "windows tests" xvfb-run -a -s "-screen 0 1920x1080x24" bash -c "
  '$WINESERVER' -k >/dev/null 2>&1
  ctest --preset win64 2>&1 | tee '$logs/win64.log'; rc=\${PIPESTATUS[0]}
  '$WINESERVER' -k >/dev/null 2>&1; '$WINESERVER' -w >/dev/null 2>&1
  exit \$rc"

passed=0
failed=0
for log in "$logs"/*.log; do
  line=$(grep -E '^[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -n 1)
  [ -n "$line" ] || continue
  f=$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1/' <<<"$line")
  t=$(sed -E 's/.* failed out of ([0-9]+).*/\1/' <<<"$line")
  passed=$((passed + t - f))
  failed=$((failed + f))
done
rm -rf "$logs"

echo
if ((${#failed_steps[@]})); then
  echo "failed steps: ${failed_steps[*]}"
  failed=$((failed + ${#failed_steps[@]}))
fi
echo "total: $passed passed, $failed failed"
((failed == 0))
