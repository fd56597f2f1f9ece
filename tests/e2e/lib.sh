# End-to-end helpers: the real programs under Wine and Xvfb, driven from outside
# by window title and control id (tools/zdrive), against the stand-in game.
# Sourced by tests/e2e/run.sh; each *_test.sh defines test_* functions.
# Control ids (IDC_...) and the programs' titles (TITLE_MP, TITLE_LC) come
# from the build (scripts/e2e-names.sh), read in e2e_init.
SHEET="Zanto Win 偽Configurator"
E2E_PASSED=0
E2E_FAILED=0

e2e_init() {  # build root
  E2E_ROOT=$1
  source "$ZANTO_BIN/e2e_names.sh"
  C=$(wine_c)
  GAME_DIR="$C/Program Files/Korvel/Zanto"
  APP_DIR="$C/zanto"
  mkdir -p "$GAME_DIR" "$APP_DIR"
  cp "$ZANTO_BIN"/standins/*.exe "$GAME_DIR/"
  cp "$ZANTO_BIN"/m_portal.exe "$ZANTO_BIN"/launcher.exe "$ZANTO_BIN"/zdrive.exe "$APP_DIR/"
  local user
  user=$(ls "$C/users" | grep -v -x Public | head -1)
  SETTINGS_DIR="$C/users/$user/AppData/Roaming/Korvel/Zanto"
  INI="$SETTINGS_DIR/Zanto.ini"
  CFG_MP="$APP_DIR/M_PORTAL.CFG"
  CFG_LC="$APP_DIR/LAUNCHER.CFG"
  STANDIN_LOG="$APP_DIR/standin.log"
  export ZANTO_STANDIN_LOG='C:\zanto\standin.log' ZANTO_STANDIN_QUIET=1
  SHOTS="$E2E_ROOT/screenshots"
  mkdir -p "$SHOTS"
}

# Registry values of the demo install; the install folder has a space in it.
e2e_registry() {
  "$WINE" reg add 'HKCU\Software\Korvel\Zanto2.0' /v Install /d 'C:\Program Files\Korvel\Zanto' /f >/dev/null 2>&1
  "$WINE" reg add 'HKCU\Software\Korvel\Zanto' /v 'Install Path' /d 'C:\Program Files\Korvel\Zanto\' /f >/dev/null 2>&1
}

# Ends every Windows process of the prefix and clears what the programs write.
e2e_reset() {
  "$WINESERVER" -k >/dev/null 2>&1 || true
  "$WINESERVER" -w >/dev/null 2>&1 || true
  rm -f "$STANDIN_LOG" "$CFG_MP" "$CFG_LC" "$INI"
  rm -rf "$SETTINGS_DIR"
  e2e_registry
}

zd() { "$WINE" "$APP_DIR/zdrive.exe" "$@" 2>/dev/null | tr -d '\r'; return "${PIPESTATUS[0]}"; }

# Starts a program in the background; its exit code lands in $E2E_EXIT_FILE.
start_app() {  # m_portal|launcher
  E2E_EXIT_FILE=$(mktemp)
  ( cd "$APP_DIR" && "$WINE" "$APP_DIR/$1.exe" >/dev/null 2>&1; echo $? > "$E2E_EXIT_FILE" ) &
  E2E_APP_PID=$!
}

# Starts a program and waits for its main window: a window that never comes
# is reported here, as this start's failure, not later as the next step's.
start_and_wait() {  # m_portal|launcher
  local title=$TITLE_MP
  [ "$1" = launcher ] && title=$TITLE_LC
  start_app "$1"
  zd wait "$title" 30000 >/dev/null && return 0
  E2E_FAILED=$((E2E_FAILED + 1))
  echo "FAIL $1: the main window did not appear"
  return 1
}

# Waits for the program started last to end; prints its exit code ("" on time-out).
app_exit_code() {
  local i
  for i in $(seq 1 200); do
    [ -s "$E2E_EXIT_FILE" ] && { cat "$E2E_EXIT_FILE"; return; }
    sleep 0.1
  done
  echo ""
}

# m_portal's latency field once the probe has answered: the window shows with
# the field empty and fills it in later. Prints "" when nothing came in time.
mp_latency() {  # [seconds]
  local end=$((SECONDS + ${1:-15})) text
  while [ $SECONDS -le $end ]; do
    text=$(zd gettext "$TITLE_MP" "$IDC_MAIN_LATENCY")
    [ -n "$text" ] && { echo "$text"; return 0; }
    sleep 0.2
  done
  echo ""
}

# The Wine server makes the programs' sockets: started without the raw-socket
# capability it refuses them (WSAEACCES), as a standard user's Windows does.
# It runs in the foreground, so that E2E_SERVER_PID is the server itself, and
# the programs started next find it by the prefix; stop_server ends it.
start_server_without_raw_sockets() {
  "$WINESERVER" -k >/dev/null 2>&1; "$WINESERVER" -w >/dev/null 2>&1
  local dir
  dir=/tmp/.wine-$(id -u)/server-$(printf '%x-%x' "$(stat -c %d "$WINEPREFIX")" "$(stat -c %i "$WINEPREFIX")")
  rm -f "$dir/socket"
  setpriv --inh-caps=-net_raw --bounding-set=-net_raw "$WINESERVER" -f -p >/dev/null 2>&1 &
  E2E_SERVER_PID=$!
  for _ in $(seq 1 100); do [ -S "$dir/socket" ] && break; sleep 0.1; done
}
# 1 when the server started above may open raw sockets (CAP_NET_RAW is bit 13).
server_raw_capability() {
  local eff
  eff=$(awk '/^CapEff:/ {print $2}' "/proc/$E2E_SERVER_PID/status" 2>/dev/null) || eff=""
  [ -n "$eff" ] && echo $(( (0x$eff >> 13) & 1 )) || echo "(no server)"
}
stop_server() {
  "$WINESERVER" -k >/dev/null 2>&1
  wait "$E2E_SERVER_PID" 2>/dev/null
}

# Echo requests in this network namespace go unanswered, until answer_echoes.
# Never outside a namespace of the tests' own: the setting is the whole namespace's.
ignore_echoes() {
  if [ "$(readlink /proc/self/ns/net)" = "$(readlink /proc/1/ns/net)" ]; then
    check "in a network namespace of the tests' own" yes no
    return 1
  fi
  E2E_ECHO_SETTING=$(sysctl -n net.ipv4.icmp_echo_ignore_all)
  sysctl -qw net.ipv4.icmp_echo_ignore_all=1
}
answer_echoes() { sysctl -qw net.ipv4.icmp_echo_ignore_all="$E2E_ECHO_SETTING"; }

# Lines the stand-ins logged, as UTF-8: "name<TAB>command line<TAB>folder".
standin_lines() { [ -f "$STANDIN_LOG" ] && iconv -f CP932 -t UTF-8 "$STANDIN_LOG" | tr -d '\r'; }
# The command line of the n-th start (1-based).
standin_cmdline() { standin_lines | sed -n "${1}p" | cut -f2; }
standin_folder() { standin_lines | sed -n "${1}p" | cut -f3; }
standin_count() { standin_lines | grep -c . ; }
# Waits until the stand-ins logged at least n starts.
wait_starts() {
  local i
  for i in $(seq 1 100); do
    [ "$(standin_count)" -ge "$1" ] && return 0
    sleep 0.1
  done
  return 1
}

# A file's content as UTF-8 without CRs ("(missing)" when absent).
file_text() { if [ -f "$1" ]; then iconv -f CP932 -t UTF-8 "$1" | tr -d '\r'; else echo "(missing)"; fi; }
# Writes UTF-8 text to a file as CP932 with CRLF line ends.
put_file() { mkdir -p "$(dirname "$1")"; printf '%s\n' "$2" | sed 's/$/\r/' | iconv -f UTF-8 -t CP932 > "$1"; }
# One key of an INI file ("" when missing).
ini_value() {  # file section key
  file_text "$1" | awk -v s="[$2]" -v k="$3" '
    /^\[/ { insec = (tolower($0) == tolower(s)) ; next }
    insec { i = index($0, "="); if (i > 0 && tolower(substr($0, 1, i - 1)) == tolower(k)) { print substr($0, i + 1); exit } }'
}

shot() { wine_screenshot "$SHOTS/$1.png"; }

check() {  # description expected actual
  if [ "$2" == "$3" ]; then
    E2E_PASSED=$((E2E_PASSED + 1))
  else
    E2E_FAILED=$((E2E_FAILED + 1))
    printf 'FAIL %s\n  expected: [%s]\n  actual:   [%s]\n' "$1" "$2" "$3"
  fi
}

check_ok() {  # description command...
  local d=$1; shift
  if "$@"; then E2E_PASSED=$((E2E_PASSED + 1)); else E2E_FAILED=$((E2E_FAILED + 1)); echo "FAIL $d"; fi
}

# m_portal's tray icon callback (WM_USER) as the shell sends it, in both of
# its forms: the program answers the one of the version the shell took for
# its icon and takes the other for no message of its icon.
tray_click() {  # title [icon id]: the left button
  local id=${2:-121}
  zd post "$1" 0x400 "$id" 0x201 >/dev/null
  zd post "$1" 0x400 0 $(( (id << 16) | 0x201 )) >/dev/null
}
tray_menu() {  # title x y: the right button (first form, at the pointer) or the context menu at x, y
  zd post "$1" 0x400 121 0x204 >/dev/null
  zd post "$1" 0x400 $(( ($3 << 16) | $2 )) $(( (121 << 16) | 0x7B )) >/dev/null
}
