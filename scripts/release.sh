#!/usr/bin/env bash
# make release: dist/zanto-launcher-<version>.zip with both 32-bit programs,
# the players' read-me and SHA256SUMS. Prints the addresses built into the
# programs (warning loudly about loopback ones), checks that the programs are
# reproducible, and packs a zip that is the same bytes for the same inputs.
set -euo pipefail
BUILD=${1:-build}
ROOT=$(cd "$(dirname "$0")/.." && pwd)
CACHE="$ROOT/$BUILD/win32/CMakeCache.txt"
VERSION=$(sed -n 's/^ *VALUE "ProductVersion", "\(.*\)"/\1/p' "$ROOT/res/m_portal.rc")

# The host part of an address or URL; loopback if 127.0.0.0/8, localhost or ::1.
host_of() { local h=${1#*://}; h=${h%%/*}; h=${h#[}; h=${h%%]*}; [[ $h == *:*:* ]] || h=${h%%:*}; echo "$h"; }
is_loopback() {
  local h
  h=$(host_of "$1" | tr '[:upper:]' '[:lower:]')
  [[ $h =~ ^127\. || $h == localhost || $h == localhost. || $h == ::1 || $h == 0:0:0:0:0:0:0:1 ]]
}

echo "== release parameters (set with cmake -D..., see cmake/windows.cmake)"
loopback=0
for name in ZANTO_GAME_SERVER ZANTO_WEB_TOP ZANTO_WEB_NEWS ZANTO_WEB_TOP_LEGACY ZANTO_WEB_NEWS_LEGACY; do
  value=$(sed -n "s/^$name:[A-Z]*=//p" "$CACHE")
  mark=""
  if is_loopback "$value"; then loopback=1; mark="   <-- LOOPBACK"; fi
  printf '  %-22s %s%s\n' "$name" "$value" "$mark"
done
if [ "$loopback" = 1 ]; then
  cat <<'WARN'

  ############################################################################
  ##  WARNING: at least one release parameter above is a LOOPBACK address.  ##
  ##  Players' programs would probe and open this computer, not the game's. ##
  ##  Fine for a test package; for players configure the build with e.g.    ##
  ##    cmake -S . -B build/win32 -DZANTO_GAME_SERVER=<server address> ...  ##
  ############################################################################

WARN
fi

echo "== reproducible"
bash "$ROOT/scripts/reproducible.sh" "$BUILD"

echo "== package"
STAGE="$ROOT/$BUILD/release"
rm -rf "$STAGE"
mkdir -p "$STAGE" "$ROOT/dist"
cp "$ROOT/$BUILD/win32/m_portal.exe" "$ROOT/$BUILD/win32/launcher.exe" "$STAGE/"
# Notepad on every Windows reads UTF-8 with a byte order mark, whatever the system's code page.
{ printf '\xef\xbb\xbf'; sed 's/$/\r/' "$ROOT/docs/README-player.txt"; } > "$STAGE/README.txt"
(cd "$STAGE" && sha256sum m_portal.exe launcher.exe README.txt) > "$STAGE/SHA256SUMS"
EPOCH=${SOURCE_DATE_EPOCH:-$(git -C "$ROOT" log -1 --format=%ct)}
ZIP="$ROOT/dist/zanto-launcher-$VERSION.zip"
rm -f "$ZIP"
python3 "$ROOT/scripts/pack_release.py" "$ZIP" "zanto-launcher-$VERSION" "$EPOCH" \
  README.txt="$STAGE/README.txt" m_portal.exe="$STAGE/m_portal.exe" launcher.exe="$STAGE/launcher.exe" \
  SHA256SUMS="$STAGE/SHA256SUMS"
rm -rf "$STAGE"
for exe in m_portal launcher; do
  size=$(stat -c %s "$ROOT/$BUILD/win32/$exe.exe")
  echo "  $exe.exe: $size bytes"
done
echo "  $(realpath --relative-to="$ROOT" "$ZIP"): $(stat -c %s "$ZIP") bytes, sha256 $(sha256sum < "$ZIP" | cut -d' ' -f1)"
if [ "$loopback" = 1 ]; then
  echo "WARNING: built with LOOPBACK addresses (see the top): a test package, not one for players."
fi
