#!/usr/bin/env bash
# Configures and builds the three build kinds under build/:
#   build/native   host, ASan/UBSan: platform-free code, unit tests, tools
#   build/ship     MinGW win32: the programs we ship
#   build/wintest  MinGW posix: Win32 and end-to-end tests (run under Wine),
#                  with their own build of the programs they drive; i686, or
#                  x86-64 where this machine cannot run 32-bit code
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
out=${HVT_BUILD_DIR:-$top/build}
jobs=${HVT_JOBS:-$(nproc)}

configure() { # kind toolchain-or-empty [extra args]
  local kind=$1 tc=$2; shift 2
  # Only what we ship is a release build; the test builds keep their
  # assertions and compile faster.
  local type=""
  [ "$kind" = ship ] && type=Release
  local args=(-S "$top" -B "$out/$kind" -DHVT_KIND="$kind" -DCMAKE_BUILD_TYPE="$type")
  [ -n "$tc" ] && args+=(-DCMAKE_TOOLCHAIN_FILE="$top/cmake/$tc")
  # A tree configured for another toolchain starts afresh.
  if [ -f "$out/$kind/CMakeCache.txt" ] && [ -n "$tc" ] &&
     ! grep -q "CMAKE_TOOLCHAIN_FILE:.*=$top/cmake/$tc\$" "$out/$kind/CMakeCache.txt"; then
    rm -rf "${out:?}/$kind"
  fi
  cmake "${args[@]}" "$@" >"$out/$kind.configure.log" 2>&1 \
    || { cat "$out/$kind.configure.log"; exit 1; }
}

mkdir -p "$out"
configure native "" -DHVT_SHIP_DIR="$out/ship"
configure ship toolchain-mingw-win32.cmake -DHVT_NATIVE_DIR="$out/native"
source "$top/scripts/wine-arch.sh"
if [ "$(hvt_wine_arch)" = 32 ]; then
  configure wintest toolchain-mingw-posix.cmake -DHVT_NATIVE_DIR="$out/native"
else
  configure wintest toolchain-mingw64-posix.cmake -DHVT_NATIVE_DIR="$out/native"
fi
for kind in native ship wintest; do
  echo "== building $kind"
  cmake --build "$out/$kind" -j "$jobs"
done
