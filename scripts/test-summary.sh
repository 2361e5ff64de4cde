#!/usr/bin/env bash
# Adds up the GoogleTest reports of one run: a line per route (with its
# kinds), the native tests, and the total. A program that ended without its
# report counts as one failure.
set -uo pipefail
results=$1
tp=0; tf=0
count() { # folder: sets p and f
  p=0; f=0
  local x line n fl dis
  for x in "$1"/*.xml; do
    [ -f "$x" ] || continue
    line=$(grep -m1 '<testsuites ' "$x")
    n=$(sed -n 's/.* tests="\([0-9]*\)".*/\1/p' <<<"$line")
    fl=$(sed -n 's/.* failures="\([0-9]*\)".*/\1/p' <<<"$line")
    dis=$(sed -n 's/.* disabled="\([0-9]*\)".*/\1/p' <<<"$line")
    p=$(( p + ${n:-0} - ${fl:-0} - ${dis:-0} )); f=$(( f + ${fl:-0} ))
  done
  # Programs that ended without a report (a crash, a timeout) count once.
  if [ -s "$1/unreported.txt" ]; then f=$(( f + $(wc -l <"$1/unreported.txt") )); fi
}
count "$results/native"
printf '%-14s %4d passed, %d failed\n' "native:" "$p" "$f"
tp=$((tp + p)); tf=$((tf + f))
for route in x86-64 i686; do
  rp=0; rf=0; line=""
  for kind in win32 e2e; do
    count "$results/$route-$kind"
    line+=$(printf '  %s %d passed, %d failed;' "$kind" "$p" "$f")
    rp=$((rp + p)); rf=$((rf + f))
  done
  printf '%-14s %4d passed, %d failed (%s)\n' "route $route:" "$rp" "$rf" "${line%;}"
  tp=$((tp + rp)); tf=$((tf + rf))
done
echo "total: $tp passed, $tf failed"
[ "$tf" -eq 0 ]
