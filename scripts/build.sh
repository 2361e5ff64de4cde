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
#
#   scripts/build.sh             every folder
#   scripts/build.sh FOLDER...   those folders only
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
out=${HVT_BUILD_DIR:-$top/build}
jobs=${HVT_JOBS:-$(nproc)}
source "$top/scripts/wine-arch.sh"

configure() { # folder kind toolchain-or-empty [extra args]
  local folder=$1 kind=$2 tc=$3; shift 3
  # Only what we ship is a release build; the test builds keep their
  # assertions and compile faster.
  local type=""
  [ "$kind" = ship ] && type=Release
  local args=(-S "$top" -B "$out/$folder" -G Ninja -DHVT_KIND="$kind" -DCMAKE_BUILD_TYPE="$type")
  [ -n "$tc" ] && args+=(-DCMAKE_TOOLCHAIN_FILE="$top/cmake/$tc")
  # A tree configured for another toolchain or generator starts afresh.
  local cache=$out/$folder/CMakeCache.txt
  if [ -f "$cache" ] && { ! grep -q '^CMAKE_GENERATOR:INTERNAL=Ninja$' "$cache" ||
     { [ -n "$tc" ] && ! grep -q "CMAKE_TOOLCHAIN_FILE:.*=$top/cmake/$tc\$" "$cache"; }; }; then
    rm -rf "${out:?}/$folder"
  fi
  cmake "${args[@]}" "$@" >"$out/$folder.configure.log" 2>&1 \
    || { cat "$out/$folder.configure.log"; exit 1; }
}

configure_folder() {
  case $1 in
    native) configure native native "" -DHVT_SHIP_DIR="$out/ship" ;;
    ship) configure ship ship toolchain-mingw-win32.cmake -DHVT_NATIVE_DIR="$out/native" ;;
    wintest)
      if [ "$(hvt_wine_arch)" = 32 ]; then
        configure wintest wintest toolchain-mingw-posix.cmake -DHVT_NATIVE_DIR="$out/native" \
          -DHVT_E2E_PROGRAM_DIR="$out/ship/bin"
      else
        configure wintest wintest toolchain-mingw64-posix.cmake -DHVT_NATIVE_DIR="$out/native" \
          -DHVT_E2E_PROGRAM_DIR=""
      fi ;;
    wintest32)
      configure wintest32 wintest toolchain-mingw-posix.cmake -DHVT_NATIVE_DIR="$out/native" \
        -DHVT_LINK_CHECK=ON ;;
  esac
}

folders=(native ship wintest)
if [ "$(hvt_wine_arch)" = 32 ]; then
  rm -rf "${out:?}/wintest32"
else
  folders+=(wintest32)
fi
requested=("$@")
[ ${#requested[@]} -gt 0 ] || requested=("${folders[@]}")

mkdir -p "$out"
for folder in "${requested[@]}"; do
  [[ " ${folders[*]} " == *" $folder "* ]] \
    || { echo "build.sh: no folder $folder here (${folders[*]})" >&2; exit 1; }
  configure_folder "$folder"
  echo "== building $folder"
  cmake --build "$out/$folder" -j "$jobs"
done
