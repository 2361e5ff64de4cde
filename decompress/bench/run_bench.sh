#!/usr/bin/env bash
# Runs the lzpunz32 benchmark under Wine on sample files (or on the files
# given), each also compressed with mscompress for the size figure, and on
# two worst cases made here: a megabyte of one byte and a megabyte of
# incompressible bytes. Twice: the test build's DLL under 64-bit Wine, and
# the shipped DLL of build/ship under 32-bit Wine (through
# scripts/vm-i686.sh where this machine runs no IA-32 code).
#   decompress/bench/run_bench.sh [FILE ...]
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
out=${HVT_BUILD_DIR:-$top/build}
if [ "${1:-}" = --route ]; then
  # One route: --route 64|32 WORK-FOLDER
  arch=$2 work=$3
  if [ "$arch" = 64 ]; then bench=$out/wintest/bin/lzpunz32_bench.exe dll=$out/wintest/bin/lzpunz32.dll
  else bench=$out/wintest32/bin/lzpunz32_bench.exe dll=$out/ship/bin/lzpunz32.dll; fi
  export HVT_WINE_ARCH=$arch
  source "$top/scripts/wine-session.sh"
  trap 'wine_session_stop >/dev/null 2>&1 || true' EXIT
  wine_session_start "${HVT_VM_SCRATCH:-$out}/wine-bench$arch" >/dev/null
  args=()
  for f in "$work"/*; do
    case $f in *_) continue ;; esac
    args+=("Z:${f//\//\\}" "Z:${f//\//\\}_")
  done
  "$HVT_WINE" "$bench" "Z:${dll//\//\\}" "${args[@]}" 2>&1 | tr -d '\r'
  exit "${PIPESTATUS[0]}"
fi

for f in "$out/wintest/bin/lzpunz32_bench.exe" "$out/wintest32/bin/lzpunz32_bench.exe" \
         "$out/ship/bin/lzpunz32.dll"; do
  [ -f "$f" ] || { echo "missing $f: run scripts/build.sh first" >&2; exit 1; }
done
files=("$@")
if [ ${#files[@]} -eq 0 ]; then
  for f in /usr/lib/i386-linux-gnu/wine/i386-windows/oleaut32.dll \
           /usr/lib/i386-linux-gnu/wine/i386-windows/winhlp32.exe \
           /usr/share/common-licenses/GPL-3 /usr/bin/msexpand; do
    [ -f "$f" ] && files+=("$f")
  done
fi
work=$out/bench-files
rm -rf "$work"; mkdir -p "$work"
for f in "${files[@]}"; do cp "$f" "$work/$(basename "$f")"; done
head -c 1048576 /dev/zero | tr '\0' 'x' >"$work/one-byte.bin"
head -c 1048576 /dev/urandom >"$work/random.bin"
for f in "$work"/*; do mscompress "$f" >/dev/null; done
echo "== the test build, x86-64 (64-bit Wine)"
"$0" --route 64 "$work"
echo "== the shipped build, i686 (32-bit Wine)"
"$top/scripts/vm-i686.sh" "$0" --route 32 "$work"
