#!/usr/bin/env bash
# End-to-end tier: runs every tests/e2e/*_test.sh (each test_* function in
# turn, from a clean state), under the locale the script names. Prints the
# locale of each run and "N passed, N failed".
set -uo pipefail
source "$(dirname "$0")/../../scripts/loopback-only.sh"
BUILD=${1:-build}
ROOT=$(cd "$(dirname "$0")/../.." && pwd)
source "$ROOT/scripts/wine-env.sh"
source "$ROOT/tests/e2e/lib.sh"
trap wine_teardown EXIT
wine_pick_arch "$ROOT/$BUILD" || exit 1
echo "$ZANTO_ARCH_LINE"
wine_prepare_prefix "$ROOT/$BUILD" e2e
e2e_init "$ROOT/$BUILD"

# Each script's tests run under the locale it names in E2E_LOCALE: Japanese
# (code page 932) unless it says otherwise.
for locale in ja_JP.UTF-8 C.UTF-8; do
  export LANG=$locale LC_ALL=$locale
  e2e_reset
  echo "locale: $locale (code page $(zd codepage))"
  for script in "$ROOT"/tests/e2e/*_test.sh; do
    [ -n "${E2E_FILTER:-}" ] && [[ $(basename "$script") != *$E2E_FILTER* ]] && continue
    unset -f $(declare -F | awk '{print $3}' | grep '^test_') 2>/dev/null
    E2E_LOCALE=ja_JP.UTF-8
    source "$script"
    [ "$E2E_LOCALE" = "$locale" ] || continue
    for t in $(declare -F | awk '{print $3}' | grep '^test_'); do
      [ -n "${E2E_ONLY:-}" ] && [[ $t != *$E2E_ONLY* ]] && continue
      before=$E2E_FAILED
      e2e_reset
      $t
      [ "$E2E_FAILED" = "$before" ] && echo "ok   $(basename "$script" .sh) $t" || echo "FAIL $(basename "$script" .sh) $t"
    done
  done
done
e2e_reset
echo "end-to-end: $E2E_PASSED passed, $E2E_FAILED failed"
[ "$E2E_FAILED" = 0 ]
