# Sourced by the test and demo scripts: a Wine prefix and an X display of our own.
#   wine_setup DIR     prefix in DIR (booted once, with a virtual desktop), Xvfb on a free display
#   wine_teardown      ends our wineserver and our Xvfb, nothing else
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# The tests run the 64-bit builds under wine64: it needs no 32-bit support from
# the Linux kernel, which some machines (and this project's CI) do not have.
export WINEARCH=win64
WINE=/usr/lib/wine/wine64
[ -x "$WINE" ] || WINE=$(command -v wine64 || echo wine)
export WINELOADER=$WINE
WINESERVER=/usr/lib/wine/wineserver64
[ -x "$WINESERVER" ] || WINESERVER=$(command -v wineserver)
ZANTO_XVFB_PID=""

wine_boot_prefix() {
  local dir=$1
  export WINEPREFIX=$dir
  if [ ! -f "$dir/.zanto-ready" ]; then
    rm -rf "$dir"
    mkdir -p "$(dirname "$dir")"
    "$WINE" wineboot -i >/dev/null 2>&1 || true
    "$WINESERVER" -w
    # A virtual desktop: without a window manager Wine waits whenever a window is shown or hidden.
    "$WINE" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
    "$WINE" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1
    "$WINESERVER" -w
    touch "$dir/.zanto-ready"
  fi
}

wine_start_display() {
  if [ -n "${ZANTO_USE_DISPLAY:-}" ] && [ -n "${DISPLAY:-}" ]; then return; fi
  local n=
  for n in $(seq 90 140); do
    [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ] || break
  done
  Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  ZANTO_XVFB_PID=$!
  export DISPLAY=":$n"
  for _ in $(seq 1 50); do [ -e /tmp/.X11-unix/X$n ] && break; sleep 0.1; done
}

# A fresh prefix for one tier, copied from a template booted once per build folder.
wine_prepare_prefix() {
  local build=$1 name=$2
  wine_start_display
  wine_boot_prefix "$build/prefix-template"
  "$WINESERVER" -w
  rm -rf "$build/prefix-$name"
  cp -a "$build/prefix-template" "$build/prefix-$name"
  export WINEPREFIX="$build/prefix-$name"
}

wine_setup() {
  wine_start_display
  wine_boot_prefix "$1"
}

wine_teardown() {
  [ -n "${WINEPREFIX:-}" ] && "$WINESERVER" -k >/dev/null 2>&1 || true
  if [ -n "$ZANTO_XVFB_PID" ]; then
    kill "$ZANTO_XVFB_PID" 2>/dev/null || true
    wait "$ZANTO_XVFB_PID" 2>/dev/null || true
    ZANTO_XVFB_PID=""
  fi
}

# Unix path of C:\ in the prefix.
wine_c() { echo "$WINEPREFIX/drive_c"; }

# Screenshot of the whole virtual screen.
wine_screenshot() { import -display "$DISPLAY" -window root "$1" 2>/dev/null || true; }
