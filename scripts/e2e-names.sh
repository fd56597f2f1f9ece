#!/bin/sh
# Writes the names the end-to-end scripts use as shell assignments: every
# control id of res/ids_*.h (IDC_MAIN_JOIN=1003) and each program's title as
# its edition holds it, so that a renumbered control or a new title reaches
# the scripts with the next build.
#   e2e-names.sh SOURCE_ROOT OUT
set -eu
src=$1
title() { sed -n 's/^const char '"$2"'\[\] = "\(.*\)";$/\1/p' "$src/$1"; }
{
  sed -n 's/^#define \(IDC_[A-Z0-9_]*\) \([0-9][0-9]*\)$/\1=\2/p' "$src"/res/ids_*.h
  echo "TITLE_MP='$(title apps/m_portal/edition.cpp kTitle)'"
  echo "TITLE_LC='$(title apps/launcher/edition.cpp kTitle)'"
} > "$2.tmp"
mv "$2.tmp" "$2"
