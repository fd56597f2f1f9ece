#!/usr/bin/env bash
# Fuzzing tier: builds the libFuzzer targets (tests/fuzz/*_fuzz.cpp, clang,
# AddressSanitizer and UndefinedBehaviorSanitizer) and runs each one for a
# bounded time from its seed corpus tests/fuzz/corpus/<name>/.
#
#   bash tests/fuzz/run.sh BUILD_DIR short   about 8 s per target (make test-fuzz)
#   bash tests/fuzz/run.sh BUILD_DIR long    600 s per target (make fuzz-long)
#
# FUZZ_SECONDS overrides the time per target in either mode. The seed corpus
# is copied to BUILD_DIR/run/<name>/corpus first, so the run never writes the
# repository; what it adds to the corpus and any reproducer stay there.
# Prints the cases tried per target and "fuzz: N passed, N failed".
set -uo pipefail
ROOT=$(cd "$(dirname "$0")/../.." && pwd)
cd "$ROOT"
DIR=${1:-build/fuzz}
MODE=${2:-short}
case "$MODE" in
  short) SECONDS_PER_TARGET=${FUZZ_SECONDS:-8} ;;
  long) SECONDS_PER_TARGET=${FUZZ_SECONDS:-600} ;;
  *) echo "usage: $0 BUILD_DIR short|long" >&2; exit 2 ;;
esac
case "$DIR" in /*) ;; *) DIR="$ROOT/$DIR" ;; esac

sources=(tests/fuzz/*_fuzz.cpp)
names=()
for s in "${sources[@]}"; do n=$(basename "$s" .cpp); names+=("${n%_fuzz}"); done

mkdir -p "$DIR"
if ! { cmake -S . -B "$DIR" -DCMAKE_CXX_COMPILER=clang++ -DZANTO_FUZZ=ON >/dev/null &&
       cmake --build "$DIR" -j "$(nproc)"; } > "$DIR/build.log" 2>&1; then
  tail -30 "$DIR/build.log"
  echo "fuzz build failed"
  echo "fuzz: 0 passed, ${#names[@]} failed"
  exit 1
fi

passed=0; failed=0; total_cases=0
summary="$DIR/summary.txt"
: > "$summary"
for name in "${names[@]}"; do
  exe="$DIR/${name}_fuzz"
  work="$DIR/run/$name"
  rm -rf "$work"
  mkdir -p "$work/corpus"
  seeds=0
  if [ -d "tests/fuzz/corpus/$name" ]; then
    cp -r "tests/fuzz/corpus/$name/." "$work/corpus/"
    seeds=$(find "$work/corpus" -type f | wc -l)
  fi
  # -timeout: one input that runs for 10 s is a finding; the outer timeout
  # only guards against a run that does not stop at all.
  timeout $((SECONDS_PER_TARGET + 120)) "$exe" -max_total_time="$SECONDS_PER_TARGET" \
    -print_final_stats=1 -max_len=4096 -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix="$work/" "$work/corpus" > "$work/log" 2>&1
  rc=$?
  cases=$(grep -E '^stat::number_of_executed_units:' "$work/log" | tail -1 | awk '{print $2}')
  cases=${cases:-0}
  grown=$(( $(find "$work/corpus" -type f | wc -l) - seeds ))
  findings=$(find "$work" -maxdepth 1 -type f \( -name 'crash-*' -o -name 'leak-*' -o -name 'timeout-*' -o -name 'oom-*' \) | wc -l)
  total_cases=$((total_cases + cases))
  if [ "$rc" = 0 ] && [ "$findings" = 0 ]; then
    passed=$((passed + 1))
    line=$(printf '%-9s %10s cases in %ss, %d seeds, %d new corpus entries, 0 findings' \
      "$name" "$cases" "$SECONDS_PER_TARGET" "$seeds" "$grown")
  else
    failed=$((failed + 1))
    grep -E 'property failed|ERROR: |runtime error|SUMMARY' "$work/log" | head -10
    line=$(printf '%-9s %10s cases in %ss, FAILED (exit %s, %d reproducers in %s)' \
      "$name" "$cases" "$SECONDS_PER_TARGET" "$rc" "$findings" "$work")
  fi
  echo "$line"
  echo "$line" >> "$summary"
done
echo "all targets: $total_cases cases" | tee -a "$summary"
echo "fuzz: $passed passed, $failed failed" | tee -a "$summary"
[ "$failed" = 0 ]
