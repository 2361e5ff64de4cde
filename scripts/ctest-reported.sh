#!/usr/bin/env bash
# scripts/ctest-reported.sh REPORTS TREE [CTEST ARGS...]: runs the tests of a
# build tree with GoogleTest's reports in REPORTS/, and lists in
# REPORTS/unreported.txt each test that failed without writing one (a
# crash, a timeout, a script): scripts/test-summary.sh counts those too.
set -uo pipefail
reports=${1:?usage: ctest-reported.sh REPORTS TREE [CTEST ARGS...]}
tree=${2:?usage: ctest-reported.sh REPORTS TREE [CTEST ARGS...]}
shift 2
rm -rf "$reports"; mkdir -p "$reports"
GTEST_OUTPUT="xml:$reports/" ctest --test-dir "$tree" --output-on-failure "$@" 2>&1 |
  tee "$reports/ctest.log"
status=${PIPESTATUS[0]}
sed -n 's/^[[:space:]]*[0-9]* - \([A-Za-z0-9_]*\) (.*)$/\1/p' "$reports/ctest.log" | while read -r name; do
  [ -f "$reports/${name%_core}.xml" ] || echo "$name"
done >"$reports/unreported.txt"
exit "$status"
