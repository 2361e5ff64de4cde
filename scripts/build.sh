#!/usr/bin/env bash
# Configures and builds the build kinds under build/:
#   build/native     host, ASan/UBSan: platform-free code, unit tests, tools
#   build/ship       MinGW i686 win32, CRTDLL.DLL: the programs we ship
#   build/wintest    MinGW posix: Win32 and end-to-end tests (run under Wine).
#                    Where this machine runs 32-bit code: i686, and the
#                    end-to-end tests drive the programs of build/ship.
#                    Where it cannot: x86-64, driving its own build of them,
#   build/wintest32  and the i686 test programs are still compiled and
#                    linked here (never run), so that a fault of the shipped
#                    architecture alone is seen.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
out=${HVT_BUILD_DIR:-$top/build}
jobs=${HVT_JOBS:-$(nproc)}

configure() { # folder kind toolchain-or-empty [extra args]
  local folder=$1 kind=$2 tc=$3; shift 3
  # Only what we ship is a release build; the test builds keep their
  # assertions and compile faster.
  local type=""
  [ "$kind" = ship ] && type=Release
  local args=(-S "$top" -B "$out/$folder" -DHVT_KIND="$kind" -DCMAKE_BUILD_TYPE="$type")
  [ -n "$tc" ] && args+=(-DCMAKE_TOOLCHAIN_FILE="$top/cmake/$tc")
  # A tree configured for another toolchain starts afresh.
  if [ -f "$out/$folder/CMakeCache.txt" ] && [ -n "$tc" ] &&
     ! grep -q "CMAKE_TOOLCHAIN_FILE:.*=$top/cmake/$tc\$" "$out/$folder/CMakeCache.txt"; then
    rm -rf "${out:?}/$folder"
  fi
  cmake "${args[@]}" "$@" >"$out/$folder.configure.log" 2>&1 \
    || { cat "$out/$folder.configure.log"; exit 1; }
}

mkdir -p "$out"
configure native native "" -DHVT_SHIP_DIR="$out/ship"
configure ship ship toolchain-mingw-win32.cmake -DHVT_NATIVE_DIR="$out/native"
source "$top/scripts/wine-arch.sh"
folders=(native ship wintest)
if [ "$(hvt_wine_arch)" = 32 ]; then
  configure wintest wintest toolchain-mingw-posix.cmake -DHVT_NATIVE_DIR="$out/native" \
    -DHVT_E2E_PROGRAM_DIR="$out/ship/bin"
  rm -rf "${out:?}/wintest32"
else
  configure wintest wintest toolchain-mingw64-posix.cmake -DHVT_NATIVE_DIR="$out/native" \
    -DHVT_E2E_PROGRAM_DIR=""
  configure wintest32 wintest toolchain-mingw-posix.cmake -DHVT_NATIVE_DIR="$out/native" \
    -DHVT_LINK_CHECK=ON
  folders+=(wintest32)
fi
for folder in "${folders[@]}"; do
  echo "== building $folder"
  cmake --build "$out/$folder" -j "$jobs"
done
