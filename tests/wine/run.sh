#!/usr/bin/env bash
# Integration tier: each tests/wine/*_test.cpp program, built for Windows,
# runs under Wine in a prefix of its own. Prints "N passed, N failed".
set -uo pipefail
source "$(dirname "$0")/../../scripts/loopback-only.sh"
BUILD=${1:-build}
ROOT=$(cd "$(dirname "$0")/../.." && pwd)
source "$ROOT/scripts/wine-env.sh"
trap wine_teardown EXIT
wine_pick_arch "$ROOT/$BUILD" || exit 1
echo "$ZANTO_ARCH_LINE"
wine_prepare_prefix "$ROOT/$BUILD" wine
C=$(wine_c)
mkdir -p "$C/itest"
cp "$ZANTO_BIN"/itests/*.exe "$C/itest/"
rm -rf "$C/itest/standins" && cp -r "$ZANTO_BIN/standins" "$C/itest/standins"

passed=0; failed=0; broken=()
for exe in "$C"/itest/*_test.exe; do
  name=$(basename "$exe" .exe)
  [ -n "${ITEST_FILTER:-}" ] && [[ $name != *$ITEST_FILTER* ]] && continue
  out=$(cd "$C/itest" && timeout 300 "$WINE" "$exe" 2>&1 | tr -d '\r')
  rc=$?
  line=$(grep -E '^[0-9]+ passed, [0-9]+ failed$' <<<"$out" | tail -1)
  if [ -z "$line" ]; then
    echo "$out" | tail -20
    echo "$name: no result (exit $rc)"
    broken+=("$name"); failed=$((failed + 1))
    continue
  fi
  p=${line%% passed*}; f=${line#*, }; f=${f%% failed}
  passed=$((passed + p)); failed=$((failed + f))
  if [ "$f" != 0 ] || [ "$rc" != 0 ]; then
    echo "$out" | grep -v '^$' | tail -40
    broken+=("$name")
  fi
  echo "$name: $line"
done
echo "wine integration: $passed passed, $failed failed"
[ "$failed" = 0 ] && [ ${#broken[@]} = 0 ]
