#!/usr/bin/env bash
# Runs the copy engine benchmark once under Wine (never run by the tests).
#   setup/fileops/bench/run_copy_bench.sh [INPUT [COMPRESSED-BYTES [RUNS]]]
# INPUT defaults to a large program file of Wine's; it is cut so that its
# compressed form is about 1.3 MB.
set -euo pipefail
top=$(cd "$(dirname "$0")/../../.." && pwd)
build=${HVT_BUILD_DIR:-$top/build}/wintest
bench=$build/bin/copy_bench.exe
[ -f "$bench" ] && [ -f "$build/bin/lzpunz32.dll" ] || { echo "build the wintest kind first" >&2; exit 1; }
input=${1:-}
if [ -z "$input" ]; then
  for f in /usr/lib/x86_64-linux-gnu/wine/x86_64-windows/kernelbase.dll \
           /usr/lib/i386-linux-gnu/wine/i386-windows/kernelbase.dll \
           /usr/lib/x86_64-linux-gnu/wine/x86_64-windows/shell32.dll; do
    [ -f "$f" ] && { input=$f; break; }
  done
fi
[ -n "$input" ] || { echo "give an input file" >&2; exit 1; }
work=$(mktemp -d)
source "$top/scripts/wine-session.sh"
cleanup() { wine_session_stop >/dev/null 2>&1 || true; rm -rf "$work"; }
trap cleanup EXIT
wine_session_start "$build/../wine-bench" >/dev/null
"$HVT_WINE" "$bench" "Z:${input//\//\\}" "${2:-1331200}" "${3:-9}" >"$work/out.txt" 2>"$work/err.txt" \
  || { cat "$work/out.txt" "$work/err.txt"; exit 1; }
echo "input: $input"
cat "$work/out.txt"
