#!/usr/bin/env bash
# Runs every test: installs what is missing, builds every kind, runs the
# native unit tests, then the Win32 and end-to-end tests under Wine in a
# fresh prefix (Windows 95 mode; 32-bit where this machine runs 32-bit code)
# on an Xvfb display of its own.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
out=${HVT_BUILD_DIR:-$top/build}
start=$(date +%s)

"$top/scripts/deps.sh"
"$top/scripts/build.sh"

results="$out/test-results"
rm -rf "$results"; mkdir -p "$results"
status=0

echo "== native unit tests"
GTEST_OUTPUT="xml:$results/native/" \
  ctest --test-dir "$out/native" --output-on-failure -j "$(nproc)" || status=1

source "$top/scripts/wine-session.sh"
source "$top/scripts/wine-arch.sh"
trap wine_session_stop EXIT
echo "== preparing the Wine prefix"
wine_session_start "$out/wine-test" fresh

# Wine tests share one prefix and one display: one at a time.
echo "== Win32 tests under Wine"
GTEST_OUTPUT="xml:$results/win32/" \
  ctest --test-dir "$out/wintest" -L win32 --output-on-failure || status=1
echo "== end-to-end tests under Wine"
"$top/scripts/e2e-disk.sh" || status=1
GTEST_OUTPUT="xml:$results/e2e/" \
  ctest --test-dir "$out/wintest" -L e2e --output-on-failure || status=1

wine_session_stop
trap - EXIT

if [ "$(hvt_wine_arch)" = 32 ]; then
  echo "route: i686; the end-to-end tests drove the shipped programs of $out/ship/bin"
else
  echo "route: x86-64; shipped programs not run: this machine cannot execute 32-bit code (no IA-32" \
       "emulation), so the end-to-end tests drove the x86-64 test build and the i686 test programs" \
       "were only compiled and linked"
fi
"$top/scripts/test-summary.sh" "$results" || status=1
echo "wall time: $(( $(date +%s) - start )) s"
exit $status
