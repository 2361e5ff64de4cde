#!/usr/bin/env bash
# scripts/test-route.sh ROUTE [--core]: the Win32 and end-to-end tests of one
# route under Wine, in a fresh Windows 95-mode prefix on an Xvfb display of
# its own, after scripts/test.sh has built the trees and laid out the disks.
#   x86-64  build/wintest in a 64-bit prefix: the test build of the programs
#   i686    build/wintest32 in a 32-bit prefix: the shipped programs of
#           build/ship and the disk made of them (run it through
#           scripts/vm-i686.sh where this machine executes no IA-32 code)
# --core runs the Win32 tests and, of the end-to-end tests, those labelled
# core. GoogleTest's reports go to
# build/test-results/ROUTE-win32/ and ROUTE-e2e/.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
out=${HVT_BUILD_DIR:-$top/build}
route=${1:?usage: scripts/test-route.sh x86-64|i686 [--core]}
case $route in
  x86-64) tree=$out/wintest session=$out/wine-test; export HVT_WINE_ARCH=64 ;;
  i686) tree=$out/wintest32 session=${HVT_VM_SCRATCH:-$out}/wine-test32; export HVT_WINE_ARCH=32 ;;
  *) echo "test-route.sh: no route $route" >&2; exit 2 ;;
esac
labels=(win32 e2e)
[ "${2:-}" = --core ] && labels=(win32 core)
results=$out/test-results
start=$(date +%s)

source "$top/scripts/wine-session.sh"
trap wine_session_stop EXIT
echo "== $route: preparing the Wine prefix"
wine_session_start "$session" fresh
echo "== $route: prefix ready after $(( $(date +%s) - start )) s"

status=0
for label in "${labels[@]}"; do
  kind=$label
  [ "$label" = core ] && kind=e2e
  echo "== $route: $label tests under Wine"
  "$top/scripts/ctest-reported.sh" "$results/$route-$kind" "$tree" -L "^$label\$" || status=1
done
echo "== $route: done in $(( $(date +%s) - start )) s"
exit $status
