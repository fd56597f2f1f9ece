#!/usr/bin/env bash
# Every test tier, in order: native unit tests, the same under sanitizers,
# the short fuzz runs, then (in a network namespace with only loopback up) the
# Wine integration tests and the end-to-end tests.
set -uo pipefail
BUILD=${1:-build}
ROOT=$(cd "$(dirname "$0")/.." && pwd)
cd "$ROOT"
JOBS=$(nproc)
total_p=0; total_f=0; status=0

count_ctest() {  # log
  local line p f
  line=$(grep -E 'tests passed, [0-9]+ tests failed out of [0-9]+' "$1" | tail -1)
  [ -z "$line" ] && { total_f=$((total_f + 1)); return; }
  f=$(sed -E 's/.*tests passed, ([0-9]+) tests failed out of ([0-9]+).*/\1/' <<<"$line")
  p=$(( $(sed -E 's/.*out of ([0-9]+).*/\1/' <<<"$line") - f ))
  total_p=$((total_p + p)); total_f=$((total_f + f))
}
count_plain() {  # log
  local line p f
  line=$(grep -oE '[0-9]+ passed, [0-9]+ failed' "$1" | tail -1)
  [ -z "$line" ] && { total_f=$((total_f + 1)); return; }
  p=${line%% passed*}
  f=${line#*, }; f=${f%% failed}
  total_p=$((total_p + p)); total_f=$((total_f + f))
}
tier() {  # name counter command...
  local name=$1 counter=$2; shift 2
  local log="$ROOT/$BUILD/logs/$name.log"
  mkdir -p "$ROOT/$BUILD/logs"
  echo "=== $name"
  local start=$SECONDS
  "$@" 2>&1 | tee "$log"
  local rc=${PIPESTATUS[0]}
  [ "$rc" != 0 ] && status=1
  $counter "$log"
  echo "=== $name: exit $rc, $((SECONDS - start)) s"
}

tier build true make --no-print-directory build BUILD="$BUILD"
[ $status != 0 ] && { echo "build failed"; exit 1; }
tier unit count_ctest make --no-print-directory test-unit BUILD="$BUILD"
tier sanitize count_ctest make --no-print-directory test-sanitize BUILD="$BUILD"
if [ -f tests/fuzz/run.sh ]; then
  tier fuzz count_plain bash tests/fuzz/run.sh "$BUILD/fuzz" short
fi
# The runners see only loopback (scripts/loopback-only.sh).
tier wine count_plain bash tests/wine/run.sh "$BUILD"
tier e2e count_plain bash tests/e2e/run.sh "$BUILD"

echo "total: $total_p passed, $total_f failed"
[ $status = 0 ] && [ $total_f = 0 ]
