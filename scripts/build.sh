#!/usr/bin/env bash
# Configures and builds the build kinds under build/:
#   build/native     host, ASan/UBSan: platform-free code, unit tests, tools
#   build/ship       MinGW i686 win32, CRTDLL.DLL: the programs we ship
#   build/wintest    MinGW x86-64 posix: Win32 and end-to-end tests run under
#                    64-bit Wine, the end-to-end tests driving this tree's
#                    own build of the programs (the x86-64 route)
#   build/wintest32  MinGW i686 posix: the same tests for 32-bit Wine, the
#                    end-to-end tests driving the programs of build/ship
#                    (the i686 route: scripts/vm-i686.sh runs it)
#
#   scripts/build.sh             every folder
#   scripts/build.sh FOLDER...   those folders only
#   scripts/build.sh --main-job FOLDER...   of those, what the main job runs
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
      configure wintest wintest toolchain-mingw64-posix.cmake -DHVT_NATIVE_DIR="$out/native" \
        -DHVT_E2E_PROGRAM_DIR="" -DHVT_TIME_FACTOR=1 ;;
    wintest32)
      configure wintest32 wintest toolchain-mingw-posix.cmake -DHVT_NATIVE_DIR="$out/native" \
        -DHVT_E2E_PROGRAM_DIR="$out/ship/bin" -DHVT_TIME_FACTOR="$(hvt_time_factor)" ;;
  esac
}

folders=(native ship wintest wintest32)
target=()
if [ "${1:-}" = --main-job ]; then
  target=(--target main_job)
  shift
fi
requested=("$@")
[ ${#requested[@]} -gt 0 ] || requested=("${folders[@]}")

mkdir -p "$out"
for folder in "${requested[@]}"; do
  [[ " ${folders[*]} " == *" $folder "* ]] \
    || { echo "build.sh: no folder $folder here (${folders[*]})" >&2; exit 1; }
  configure_folder "$folder"
  echo "== building $folder"
  cmake --build "$out/$folder" -j "$jobs" "${target[@]}"
done
