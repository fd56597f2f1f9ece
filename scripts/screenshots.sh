#!/usr/bin/env bash
# make screenshots: drives the real programs under Wine and writes, for each
# program, its main window, its connect dialog and the seven pages of its
# options sheet, each cut to the window, as PNGs into docs/screenshots/.
#   SHOTS_DIR=DIR   write elsewhere
#   SHOTS_DPI=144   draw at another DPI (Wine's LogPixels), in a prefix of its own
#   SHOTS_ALL=1     also the key assignment dialog and the message boxes
#   SHOTS_THEME=1   with visual styles (Wine's "light" theme), as Windows draws
#                   the programs by their manifest; the pictures are named
#                   *-themed.png. Without it the classic look, switched on in
#                   the prefix explicitly, so that the pictures stay the same.
set -uo pipefail
BUILD=${1:-build}
source "$(dirname "$0")/loopback-only.sh"
ROOT=$(cd "$(dirname "$0")/.." && pwd)
DPI=${SHOTS_DPI:-96}
THEME=${SHOTS_THEME:-0}
SUFFIX=; [ "$THEME" = 1 ] && SUFFIX=-themed
OUT=${SHOTS_DIR:-$ROOT/docs/screenshots}
# Room for the sheet drawn at 200%.
export ZANTO_SCREEN=1600x1200
source "$ROOT/scripts/wine-env.sh"
source "$ROOT/tests/e2e/lib.sh"
trap wine_teardown EXIT
wine_pick_arch "$ROOT/$BUILD" || exit 1
echo "$ZANTO_ARCH_LINE, $DPI dpi, $([ "$THEME" = 1 ] && echo themed || echo classic)"
wine_prepare_prefix "$ROOT/$BUILD" "shots-$DPI$SUFFIX"
"$WINE" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d "$ZANTO_SCREEN" /f >/dev/null 2>&1
"$WINE" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$DPI" /f >/dev/null 2>&1
# Wine's prefixes come with the theme switched on; uxtheme reads this when a program starts.
"$WINE" reg add 'HKCU\Software\Microsoft\Windows\CurrentVersion\ThemeManager' /v ThemeActive /d "$THEME" /f \
  >/dev/null 2>&1
"$WINESERVER" -k >/dev/null 2>&1; "$WINESERVER" -w
e2e_init "$ROOT/$BUILD"
mkdir -p "$OUT"
written=0

# The window (or message box) titled $2 cut from the screen into $OUT/$1.png,
# once it has had time to draw itself.
capture() {  # name title [box]
  local rect x y w h
  sleep 1.5
  rect=$(zd "${3:-rect}" "$2") || { echo "no window \"$2\" for $1"; return 1; }
  read -r x y w h <<<"$rect"
  import -display "$DISPLAY" -window root -crop "${w}x${h}+${x}+${y}" +repage -strip \
    -define png:exclude-chunks=date,time "$OUT/$1$SUFFIX.png" 2>/dev/null && written=$((written + 1))
}

PAGE_NAMES=(controls online quickmsg video sound folder about)

# The stand-in game as an installed one looks: its files' dates and its own
# launcher's window title (the About page shows both), so the pictures are the
# same from one run to the next.
demo_install() {  # window title of the game's launcher
  touch -d "2009-02-05 12:00" "$GAME_DIR/Zanto.exe"
  touch -d "2008-12-24 12:00" "$GAME_DIR/Launcher.exe"
  touch -d "2007-03-09 12:00" "$GAME_DIR/Lobby.exe"
  put_file "$GAME_DIR/Launcher.ini" "[LauncherDlg]
WINDOWTITLE=$1"
}

shoot() {  # program title connect-caption game-launcher-title
  local app=$1 title=$2 connect=$3 i
  e2e_reset
  demo_install "$4"
  start_app "$app"
  zd wait "$title" 30000 >/dev/null || { echo "$app did not start"; return 1; }
  capture "$app-main" "$title"
  zd click "$title" 1003
  zd wait "$connect" 10000 && capture "$app-connect" "$connect"
  zd click "$connect" 2
  zd gone "$connect" 10000
  zd click "$title" 1008
  zd wait "$SHEET" 15000 || { echo "$app: no options sheet"; return 1; }
  for i in 0 1 2 3 4 5 6; do
    zd page "$SHEET" $i
    capture "$app-page$((i + 1))-${PAGE_NAMES[$i]}" "$SHEET"
  done
  if [ -n "${SHOTS_ALL:-}" ]; then
    zd page "$SHEET" 0
    zd click "$SHEET" 1015 --page 0
    zd wait "キーの割り当て" 10000 && capture "$app-assign" "キーの割り当て"
    zd click "キーの割り当て" 2
    zd gone "キーの割り当て" 10000
    # Two keys the same: OK is refused with a warning.
    zd click "$SHEET" 1018 --page 0
    zd wait "キーの割り当て" 10000
    zd select "キーの割り当て" 1022 12
    zd click "キーの割り当て" 1
    sleep 0.5
    zd ok "$SHEET"
    zd msgbox "$title" 10000 >/dev/null && capture "$app-duplicate-keys" "$title" boxrect
    zd answer "$title" 1
  fi
  zd cancel "$SHEET"
  zd gone "$SHEET" 10000
  if [ -n "${SHOTS_ALL:-}" ] && [ "$app" = m_portal ]; then
    zd click "$title" 2
    zd msgbox "$title" 10000 >/dev/null && capture "$app-exit-question" "$title" boxrect
    zd answer "$title" 7
  fi
  if [ -n "${SHOTS_ALL:-}" ]; then
    # A start that fails: the install folder is not there.
    e2e_reset
    "$WINE" reg add 'HKCU\Software\Korvel\Zanto2.0' /v Install /d 'C:\missing folder' /f >/dev/null 2>&1
    "$WINE" reg add 'HKCU\Software\Korvel\Zanto' /v 'Install Path' /d 'C:\missing folder\' /f >/dev/null 2>&1
    start_app "$app"
    zd wait "$title" 30000 >/dev/null
    zd click "$title" 1001
    zd msgbox "$title" 10000 >/dev/null && capture "$app-start-failure" "$title" boxrect
    zd answer "$title" 1
  fi
}

shoot m_portal "$TITLE_MP" "サーバへ接続" "Zanto ランチャー ver1.05 (2009/02)"
shoot launcher "$TITLE_LC" "Connect to server" "Zanto Launcher Ver.1.05 (2009/02)"
e2e_reset
echo "$written screenshots in $OUT"
