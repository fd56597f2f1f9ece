#!/usr/bin/env bash
# Installs what building and testing need on Debian 12, as root. Quick when all is there.
set -euo pipefail

need=()
have_pkg() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }
for p in cmake make g++ python3 googletest libgtest-dev \
         g++-mingw-w64-i686-win32 binutils-mingw-w64-i686 \
         g++-mingw-w64-x86-64-win32 binutils-mingw-w64-x86-64 wine64 fonts-wine e2fsprogs \
         wine wine32:i386 xvfb imagemagick fonts-ipafont-gothic locales \
         clang libclang-rt-14-dev iproute2 util-linux; do
  have_pkg "$p" || need+=("$p")
done

if [ ${#need[@]} -gt 0 ]; then
  echo "installing: ${need[*]}"
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
  fi
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${need[@]}" >/dev/null
fi

# Wine passes Japanese file names and arguments correctly only under this locale.
if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
  sed -i 's/^# *\(ja_JP.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' >> /etc/locale.gen
  locale-gen >/dev/null
fi
