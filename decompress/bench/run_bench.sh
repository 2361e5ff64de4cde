#!/usr/bin/env bash
# Runs the lzpunz32 benchmark once under Wine on sample files (or on the
# files given), each also compressed with mscompress for the size figure.
#   decompress/bench/run_bench.sh [FILE ...]
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
build=${HVT_BUILD_DIR:-$top/build}/wintest
bench=$build/decompress/bench/lzpunz32_bench.exe
dll=$build/decompress/lzpunz32/lzpunz32.dll
[ -f "$bench" ] && [ -f "$dll" ] || { echo "build the wintest kind first" >&2; exit 1; }
files=("$@")
if [ ${#files[@]} -eq 0 ]; then
  for f in /usr/lib/i386-linux-gnu/wine/i386-windows/oleaut32.dll \
           /usr/lib/i386-linux-gnu/wine/i386-windows/winhlp32.exe \
           /usr/share/common-licenses/GPL-3 /usr/bin/msexpand; do
    [ -f "$f" ] && files+=("$f")
  done
fi
work=$(mktemp -d)
source "$top/scripts/wine-session.sh"
cleanup() { wine_session_stop >/dev/null 2>&1 || true; rm -rf "$work"; }
trap cleanup EXIT
args=()
for f in "${files[@]}"; do
  name=$(basename "$f")
  cp "$f" "$work/$name"
  mscompress "$work/$name" >/dev/null
  args+=("Z:${work//\//\\}\\$name" "Z:${work//\//\\}\\${name}_")
done
wine_session_start "$build/../wine-bench" >/dev/null
"$HVT_WINE" "$bench" "Z:${dll//\//\\}" "${args[@]}" >"$work/out.txt" 2>"$work/err.txt" || { cat "$work/err.txt"; exit 1; }
cat "$work/out.txt" "$work/err.txt"
