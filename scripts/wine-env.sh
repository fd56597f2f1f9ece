# Sourced by the test and demo scripts: a Wine prefix and an X display of our own.
#   wine_pick_arch BUILD  which build runs here: 32-bit where the machine can (see below)
#   wine_setup DIR        prefix in DIR (booted once, with a virtual desktop), Xvfb on a free display
#   wine_teardown         ends our wineserver and our Xvfb, nothing else
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
ZANTO_XVFB_PID=""

# Points WINE, WINESERVER and WINEARCH at the Wine of one architecture (32 or 64).
wine_use_arch() {
  ZANTO_ARCH=$1
  if [ "$1" = 32 ]; then
    export WINEARCH=win32
    WINE=/usr/lib/wine/wine
    WINESERVER=/usr/lib/wine/wineserver32
  else
    export WINEARCH=win64
    WINE=/usr/lib/wine/wine64
    WINESERVER=/usr/lib/wine/wineserver64
  fi
  [ -x "$WINESERVER" ] || WINESERVER=/usr/lib/wine/wineserver
  export WINELOADER=$WINE ZANTO_ARCH
}

# The programs players get are the 32-bit ones: the Wine tiers, the demo and the
# benchmark run them wherever this machine can run 32-bit Linux programs (and so
# 32-bit Wine). Some kernels have that switched off; there the 64-bit build of
# the same sources stands in. Asked once per build folder, by running the 32-bit
# build of tools/archprobe.cpp in a 32-bit prefix.
#   wine_pick_arch BUILD   sets ZANTO_ARCH (32 or 64), ZANTO_BIN (BUILD/win32 or
#                          BUILD/win64) and ZANTO_ARCH_LINE, the line each tier
#                          prints; returns 1, with the reason, when neither runs.
wine_pick_arch() {
  local build=$1 arch= out=
  if [ -f "$build/arch" ]; then
    arch=$(cat "$build/arch")
  elif ! /lib/ld-linux.so.2 --version >/dev/null 2>&1; then
    arch=64
  else
    if [ ! -x /usr/lib/wine/wine ] || [ ! -f "$build/win32/archprobe.exe" ]; then
      echo "architecture: none (this machine runs 32-bit programs, but 32-bit Wine or $build/win32/archprobe.exe is missing)"
      return 1
    fi
    wine_use_arch 32
    wine_boot_prefix "$build/prefix-template-32"
    out=$(timeout 120 "$WINE" "$build/win32/archprobe.exe" 2>&1 | tr -d '\r')
    "$WINESERVER" -w
    if [ "$out" != 4 ]; then
      echo "architecture: none (this machine runs 32-bit programs, but 32-bit Wine does not: ${out:0:200})"
      return 1
    fi
    arch=32
  fi
  echo "$arch" > "$build/arch"
  wine_use_arch "$arch"
  ZANTO_BIN=$build/win$arch
  if [ "$arch" = 32 ]; then
    ZANTO_ARCH_LINE="architecture: 32-bit"
  else
    ZANTO_ARCH_LINE="architecture: 64-bit (this machine cannot run 32-bit programs)"
  fi
  if [ ! -f "$ZANTO_BIN/m_portal.exe" ]; then
    echo "architecture: none ($ZANTO_BIN holds no build)"
    return 1
  fi
  export ZANTO_BIN ZANTO_ARCH_LINE
}

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
  # Wine draws the caption buttons (minimize, close) with glyphs of its Marlett
  # font. This Wine does not load the fonts it ships in /usr/share/wine/fonts,
  # so without the font in the prefix the buttons show as "0 1 r".
  local fonts="$dir/drive_c/windows/Fonts"
  if [ ! -f "$fonts/marlett.ttf" ] && [ -f /usr/share/wine/fonts/marlett.ttf ]; then
    mkdir -p "$fonts"
    cp /usr/share/wine/fonts/marlett.ttf "$fonts/"
  fi
}

wine_start_display() {
  if [ -n "${ZANTO_USE_DISPLAY:-}" ] && [ -n "${DISPLAY:-}" ]; then return; fi
  local n=
  for n in $(seq 90 140); do
    [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ] || break
  done
  Xvfb ":$n" -screen 0 "${ZANTO_SCREEN:-1024x768}x24" -nolisten tcp >/dev/null 2>&1 &
  ZANTO_XVFB_PID=$!
  export DISPLAY=":$n"
  for _ in $(seq 1 50); do [ -e /tmp/.X11-unix/X$n ] && break; sleep 0.1; done
}

# A fresh prefix for one tier, copied from a template booted once per build
# folder and architecture (wine_pick_arch first).
wine_prepare_prefix() {
  local build=$1 name=$2
  wine_start_display
  wine_boot_prefix "$build/prefix-template-$ZANTO_ARCH"
  "$WINESERVER" -w
  rm -rf "$build/prefix-$name"
  cp -a "$build/prefix-template-$ZANTO_ARCH" "$build/prefix-$name"
  export WINEPREFIX="$build/prefix-$name"
}

wine_setup() {
  wine_start_display
  wine_boot_prefix "$1"
}

wine_teardown() {
  [ -n "${WINEPREFIX:-}" ] && [ -n "${WINESERVER:-}" ] && "$WINESERVER" -k >/dev/null 2>&1 || true
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
