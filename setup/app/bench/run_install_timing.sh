#!/usr/bin/env bash
# Runs the installation benchmark under Wine (never run by the tests).
#   setup/app/bench/run_install_timing.sh [RUNS]
set -euo pipefail
top=$(cd "$(dirname "$0")/../../.." && pwd)
build=${HVT_BUILD_DIR:-$top/build}
bench=$build/wintest/bin/install_timing.exe
[ -f "$bench" ] || { echo "build the wintest kind first" >&2; exit 1; }
"$top/scripts/e2e-disk.sh"
source "$top/scripts/wine-session.sh"
trap 'wine_session_stop >/dev/null 2>&1 || true' EXIT
wine_session_start "$build/wine-bench" fresh >/dev/null
HVT_E2E_DISK=$build/wintest/e2e-disk/DISK1 HVT_BENCH_RUNS=${1:-3} \
  "$top/scripts/wine-exec" "$bench" 2>&1 | grep -E "^(run|floor)|FAILED|Failure"
