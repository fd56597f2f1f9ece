#!/usr/bin/env bash
# make bench: sizes and imports of the two deliverables, and each program's
# time from process start to its visible main window against a ladder of floors
# (tools/floor.cpp): the calls its start-up cannot do without, timed in the same
# prefix, interleaved, medians of several runs. Prints the figures and
# PASS/FAIL per limit; the 32-bit programs where this machine runs them. Last,
# m_portal's time with the game's server silent against answering.
set -uo pipefail
BUILD=${1:-build}
source "$(dirname "$0")/loopback-only.sh"
ROOT=$(cd "$(dirname "$0")/.." && pwd)
RUNS=${BENCH_RUNS:-15}
SIZE_LIMIT=153600
RATIO_LIMIT=1.05
SILENT_LIMIT=1.1
fail=0

echo "== sizes and imports (32-bit deliverables)"
for exe in "$ROOT"/dist/m_portal.exe "$ROOT"/dist/launcher.exe; do
  size=$(stat -c %s "$exe")
  dlls=$(i686-w64-mingw32-objdump -p "$exe" | awk '/DLL Name/ {print $3}' | tr '\n' ' ')
  verdict=PASS; [ "$size" -le $SIZE_LIMIT ] || { verdict=FAIL; fail=1; }
  echo "$(basename "$exe"): $size bytes (limit $SIZE_LIMIT) $verdict; imports: $dlls"
  if grep -qiE 'libstdc|libgcc|winpthread' <<<"$dlls"; then echo "  FAIL: imports a runtime DLL"; fail=1; fi
done

source "$ROOT/scripts/wine-env.sh"
trap wine_teardown EXIT
wine_pick_arch "$ROOT/$BUILD" || exit 1
echo "$ZANTO_ARCH_LINE"
echo "== start-up to a visible window ($RUNS interleaved runs each, median)"
wine_prepare_prefix "$ROOT/$BUILD" bench
C=$(wine_c)
mkdir -p "$C/bench"
cp "$ZANTO_BIN"/{m_portal,launcher,floor_m_portal,floor_launcher,startup_timer}.exe "$C/bench/"
MP="ZantoWin 偽ランチャー 2.08"
LC="ZantoWin 偽ランチャー Ver.1.4"
F='C:\bench\floor_m_portal.exe'
mapfile -t t < <("$WINE" "$C/bench/startup_timer.exe" "$RUNS" \
  floor "$F 0 1" floor "$F 1 1" floor "$F 2 1" floor "$F 3 1" floor "$F 3 101" \
  floor 'C:\bench\floor_launcher.exe 2 101' \
  "$MP" 'C:\bench\m_portal.exe' "$LC" 'C:\bench\launcher.exe' 2>/dev/null | tr -d '\r')
if [ ${#t[@]} != 8 ]; then
  echo "FAIL: the timer gave ${#t[@]} of 8 figures"
  exit 1
fi
printf '%-58s %8s ms\n' \
  "bare: one nearly empty dialog" "${t[0]}" \
  "+ Windows Sockets 1.1 start-up, InitCommonControls" "${t[1]}" \
  "+ host-name look-up of the own address" "${t[2]}" \
  "+ one ICMP echo to loopback" "${t[3]}" \
  "m_portal's floor: the last, with m_portal's dialog 101" "${t[4]}" \
  "launcher's floor: host-name rung, launcher's dialog 101" "${t[5]}"
for pair in "m_portal:${t[6]}:${t[4]}" "launcher:${t[7]}:${t[5]}"; do
  IFS=: read -r name time floor <<<"$pair"
  ratio=$(awk -v a="$time" -v b="$floor" 'BEGIN { if (b > 0) printf "%.2f", a / b; else print "nan" }')
  verdict=$(awk -v r="$ratio" -v l=$RATIO_LIMIT 'BEGIN { print (r != "nan" && r <= l) ? "PASS" : "FAIL" }')
  [ "$verdict" = PASS ] || fail=1
  echo "$name: $time ms, its floor $floor ms, ratio $ratio (limit $RATIO_LIMIT) $verdict"
done

# The window must not wait for the server: m_portal with every echo of this
# namespace unanswered against answered, alternating from start to start.
echo "== m_portal, server silent against answering ($RUNS interleaved runs each, median)"
echo_setting=$(sysctl -n net.ipv4.icmp_echo_ignore_all)
answered=(); silent=()
for i in $(seq 1 "$RUNS"); do
  order="0 1"; [ $((i % 2)) = 0 ] && order="1 0"
  for ignore in $order; do
    sysctl -qw net.ipv4.icmp_echo_ignore_all=$ignore
    v=$("$WINE" "$C/bench/startup_timer.exe" 1 "$MP" 'C:\bench\m_portal.exe' 2>/dev/null | tr -d '\r')
    if [ "$ignore" = 1 ]; then silent+=("$v"); else answered+=("$v"); fi
  done
done
sysctl -qw net.ipv4.icmp_echo_ignore_all="$echo_setting"
median() { printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
a=$(median "${answered[@]}"); s=$(median "${silent[@]}")
ratio=$(awk -v a="$s" -v b="$a" 'BEGIN { if (b > 0) printf "%.2f", a / b; else print "nan" }')
verdict=$(awk -v r="$ratio" -v l=$SILENT_LIMIT 'BEGIN { print (r != "nan" && r <= l) ? "PASS" : "FAIL" }')
[ "$verdict" = PASS ] || fail=1
echo "m_portal: $s ms with the server silent, $a ms with it answering, ratio $ratio (limit $SILENT_LIMIT) $verdict"
exit $fail
