#!/usr/bin/env bash
# Adds up the GoogleTest reports of one run, per kind and in all.
set -uo pipefail
results=$1
tp=0; tf=0
for kind in native win32 e2e; do
  p=0; f=0
  for x in "$results/$kind"/*.xml; do
    [ -f "$x" ] || continue
    line=$(grep -m1 '<testsuites ' "$x")
    n=$(sed -n 's/.* tests="\([0-9]*\)".*/\1/p' <<<"$line")
    fl=$(sed -n 's/.* failures="\([0-9]*\)".*/\1/p' <<<"$line")
    dis=$(sed -n 's/.* disabled="\([0-9]*\)".*/\1/p' <<<"$line")
    p=$(( p + ${n:-0} - ${fl:-0} - ${dis:-0} )); f=$(( f + ${fl:-0} ))
  done
  printf '%-7s %4d passed, %d failed\n' "$kind:" "$p" "$f"
  tp=$((tp + p)); tf=$((tf + f))
done
echo "total: $tp passed, $tf failed"
[ "$tf" -eq 0 ]
