#!/usr/bin/env bash
# Runs the start-up benchmark under Wine (after scripts/build.sh).
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
source "$top/scripts/wine-session.sh"
trap wine_session_stop EXIT
wine_session_start "$top/build/wine-bench"
"$HVT_WINE" "$top/build/wintest/bin/kelvane_startup_bench.exe" "${1:-9}" 2>/dev/null
