#!/usr/bin/env bash
# make bench: sizes and imports of the two deliverables, and the time from
# process start to a visible main window against a bare one-dialog program
# (median of several runs under Wine). Prints figures and PASS/FAIL per limit.
set -uo pipefail
BUILD=${1:-build}
# Nothing the programs send at start-up may leave this machine: run in a
# network namespace of our own with only loopback up.
if [ -z "${ZANTO_NETNS:-}" ]; then
  exec unshare -n env ZANTO_NETNS=1 bash -c 'ip link set lo up && exec bash "$0" "$@"' "$0" "$@"
fi
ROOT=$(cd "$(dirname "$0")/.." && pwd)
RUNS=${BENCH_RUNS:-9}
fail=0

echo "== sizes and imports (32-bit deliverables)"
for exe in "$ROOT"/dist/m_portal.exe "$ROOT"/dist/launcher.exe; do
  size=$(stat -c %s "$exe")
  dlls=$(i686-w64-mingw32-objdump -p "$exe" | awk '/DLL Name/ {print $3}' | tr '\n' ' ')
  verdict=PASS; [ "$size" -le 262144 ] || { verdict=FAIL; fail=1; }
  echo "$(basename "$exe"): $size bytes (limit 262144) $verdict; imports: $dlls"
  if grep -qiE 'libstdc|libgcc|winpthread' <<<"$dlls"; then echo "  FAIL: imports a runtime DLL"; fail=1; fi
done

echo "== start-up to a visible window ($RUNS runs each, median)"
source "$ROOT/scripts/wine-env.sh"
trap wine_teardown EXIT
wine_prepare_prefix "$ROOT/$BUILD" bench
C=$(wine_c)
mkdir -p "$C/bench"
cp "$ROOT/$BUILD"/win64/{m_portal,launcher,bare_dialog,startup_timer}.exe "$C/bench/"
timer() { "$WINE" "$C/bench/startup_timer.exe" "$RUNS" "$1" "$2" 2>/dev/null | tr -d '\r'; }
bare=$(timer "bare dialog" 'C:\bench\bare_dialog.exe')
mp=$(timer "ZantoWin 偽ランチャー 2.08" 'C:\bench\m_portal.exe')
lc=$(timer "ZantoWin 偽ランチャー Ver.1.4" 'C:\bench\launcher.exe')
for pair in "m_portal:$mp" "launcher:$lc"; do
  name=${pair%%:*}; t=${pair#*:}
  ratio=$(awk -v a="$t" -v b="$bare" 'BEGIN { if (b > 0) printf "%.2f", a / b; else print "nan" }')
  verdict=$(awk -v r="$ratio" 'BEGIN { print (r != "nan" && r <= 1.25) ? "PASS" : "FAIL" }')
  [ "$verdict" = PASS ] || fail=1
  echo "$name: $t ms, bare dialog: $bare ms, ratio $ratio (limit 1.25) $verdict"
done
exit $fail
