#!/usr/bin/env bash
# Checks that the 32-bit deliverables in BUILD/win32 are reproducible: the same
# sources, copied to another folder and built in another build folder, must
# give byte-identical m_portal.exe and launcher.exe. Used by make release.
set -euo pipefail
BUILD=${1:-build}
ROOT=$(cd "$(dirname "$0")/.." && pwd)
OTHER="$ROOT/$BUILD/reproducible"
rm -rf "$OTHER"
mkdir -p "$OTHER/source-copy"
# Every file git knows of or would take, as it is in the working tree.
(cd "$ROOT" && git ls-files -z --cached --others --exclude-standard | xargs -0 tar -cf - 2>/dev/null) |
  tar -xf - -C "$OTHER/source-copy"
# The same release parameters (addresses built in) as the build being checked.
params=()
while IFS= read -r line; do params+=("-D$line"); done < <(grep -E '^ZANTO_[A-Z_]+:' "$ROOT/$BUILD/win32/CMakeCache.txt")
cmake -S "$OTHER/source-copy" -B "$OTHER/win32-other" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake \
  -DCMAKE_BUILD_TYPE=Release "${params[@]}" >/dev/null
cmake --build "$OTHER/win32-other" -j "${JOBS:-$(nproc)}" --target m_portal launcher >/dev/null
fail=0
for exe in m_portal.exe launcher.exe; do
  if cmp "$ROOT/$BUILD/win32/$exe" "$OTHER/win32-other/$exe"; then
    echo "reproducible: $exe ($(sha256sum < "$OTHER/win32-other/$exe" | cut -c1-16)...)"
  else
    echo "NOT REPRODUCIBLE: $exe differs between $BUILD/win32 and a build elsewhere"
    fail=1
  fi
done
rm -rf "$OTHER"
exit $fail
