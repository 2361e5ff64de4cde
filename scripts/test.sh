#!/usr/bin/env bash
# Runs every test: installs what is missing, builds every kind, and runs the
# Win32 and end-to-end tests under Wine in a fresh prefix (Windows 95 mode;
# 32-bit where this machine runs 32-bit code) on an Xvfb display of its own.
# Those keep about one processor busy: beside them, on one processor at the
# lowest priority, the i686 link check is built where there is one and the
# native unit tests run, their output shown after the Wine tests'.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
out=${HVT_BUILD_DIR:-$top/build}
start=$(date +%s)

"$top/scripts/deps.sh"
source "$top/scripts/wine-arch.sh"
beside=()
if [ "$(hvt_wine_arch)" = 32 ]; then
  "$top/scripts/build.sh"
else
  "$top/scripts/build.sh" native ship wintest
  beside=(wintest32)
fi

results="$out/test-results"
rm -rf "$results"; mkdir -p "$results"
status=0

beside_wine() {
  if [ ${#beside[@]} -gt 0 ]; then
    HVT_JOBS=1 nice -n 19 "$top/scripts/build.sh" "${beside[@]}" || return 1
  fi
  echo "== native unit tests"
  GTEST_OUTPUT="xml:$results/native/" \
    nice -n 19 ctest --test-dir "$out/native" --output-on-failure
}
# In a process group of its own, so that an early end can stop all of it.
set -m
beside_wine >"$out/beside-wine.log" 2>&1 &
beside_pid=$!
set +m
echo "== beside the Wine tests: ${beside[*]:+building ${beside[*]}, then }the native unit tests" \
     "(output below, when done)"

source "$top/scripts/wine-session.sh"
end_all() {
  wine_session_stop
  kill -- -"$beside_pid" 2>/dev/null || true
}
trap end_all EXIT
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
wait "$beside_pid" || status=1
trap - EXIT
cat "$out/beside-wine.log"

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
