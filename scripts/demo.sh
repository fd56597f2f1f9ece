#!/usr/bin/env bash
# make run: m_portal under Wine against a demo install of the stand-in game.
# With a display (DISPLAY set) the window appears there and runs until you exit
# it; without one it runs under Xvfb, leaves BUILD/demo-screenshot.png and ends.
set -euo pipefail
BUILD=${1:-build}
ROOT=$(cd "$(dirname "$0")/.." && pwd)
[ -n "${DISPLAY:-}" ] && export ZANTO_USE_DISPLAY=1
# Without a display of the user's the demo sees only loopback (a display of
# the user's needs the network namespace it is in).
[ -n "${ZANTO_USE_DISPLAY:-}" ] || source "$(dirname "$0")/loopback-only.sh"
source "$ROOT/scripts/wine-env.sh"
trap wine_teardown EXIT
wine_pick_arch "$ROOT/$BUILD" || exit 1
# The program players get: dist/m_portal.exe is the 32-bit build.
if [ "$ZANTO_ARCH" = 32 ]; then
  PROGRAMS="$ROOT/dist"
  echo "Running the 32-bit m_portal players get ($PROGRAMS/m_portal.exe)."
else
  PROGRAMS="$ZANTO_BIN"
  echo "Running the 64-bit build of m_portal ($PROGRAMS/m_portal.exe): this machine cannot run 32-bit programs."
fi
wine_setup "$ROOT/$BUILD/prefix-demo-$ZANTO_ARCH"
C=$(wine_c)
GAME="$C/Program Files/Korvel/Zanto"
APP="$C/Zanto Launcher"
mkdir -p "$GAME" "$APP"
cp "$ZANTO_BIN"/standins/*.exe "$GAME/"
cp "$PROGRAMS"/m_portal.exe "$PROGRAMS"/launcher.exe "$ZANTO_BIN"/zdrive.exe "$APP/"
printf '[LauncherDlg]\r\nWINDOWTITLE=Zanto Launcher ver1.05 (demo)\r\n' > "$GAME/Launcher.ini"
"$WINE" reg add 'HKCU\Software\Korvel\Zanto2.0' /v Install /d 'C:\Program Files\Korvel\Zanto' /f >/dev/null 2>&1
"$WINE" reg add 'HKCU\Software\Korvel\Zanto' /v 'Install Path' /d 'C:\Program Files\Korvel\Zanto\' /f >/dev/null 2>&1
# The demo's network is this machine only: the latency probe aims at loopback.

# m_portal ends with exit code 1 when the player exits it (and 2 when it hands
# over to one already running): both are a good end of the demo.
run_status() { [ "$1" = 1 ] || [ "$1" = 2 ]; }

if [ -n "${ZANTO_USE_DISPLAY:-}" ]; then
  echo "Starting m_portal on $DISPLAY (prefix $WINEPREFIX)."
  rc=0
  (cd "$APP" && "$WINE" "$APP/m_portal.exe") || rc=$?
  run_status "$rc" || { echo "m_portal ended with exit code $rc"; exit 1; }
  exit 0
fi

echo "No display: running m_portal under Xvfb."
(cd "$APP" && "$WINE" "$APP/m_portal.exe") &
MP_PID=$!
TITLE="ZantoWin 偽ランチャー 2.08"
"$WINE" "$APP/zdrive.exe" wait "$TITLE" 60000
sleep 1
wine_screenshot "$ROOT/$BUILD/demo-screenshot.png"
echo "Screenshot of the main window: $BUILD/demo-screenshot.png"
"$WINE" "$APP/zdrive.exe" click "$TITLE" 2
"$WINE" "$APP/zdrive.exe" msgbox "$TITLE" 10000 >/dev/null && "$WINE" "$APP/zdrive.exe" answer "$TITLE" 6
rc=0
wait "$MP_PID" || rc=$?
run_status "$rc" || { echo "m_portal ended with exit code $rc"; exit 1; }
echo "The demo ended as the player would end it (Exit, Yes)."
