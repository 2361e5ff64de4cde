#!/usr/bin/env bash
# Runs every test: installs what is missing, builds every kind, and runs the
# Win32 and end-to-end tests of both routes under Wine (scripts/test-route.sh),
# each in a fresh Windows 95-mode prefix on an Xvfb display of its own:
#   x86-64  the test build of the programs, under this machine's 64-bit Wine;
#   i686    the shipped programs and the disk made of them, under 32-bit
#           Wine: here where this machine executes IA-32 code, else inside
#           the software-emulated VM of scripts/vm-i686.sh (there only the
#           Win32 tests and the core end-to-end tests, unless --i686-all).
# The routes run side by side; beside them, on one processor at the lowest
# priority, the native unit tests. Each part's output is shown when it ends.
#
#   scripts/test.sh              every test (the i686 route's core in a VM)
#   scripts/test.sh --i686-all   the whole i686 end-to-end suite in the VM too
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
out=${HVT_BUILD_DIR:-$top/build}
start=$(date +%s)
source "$top/scripts/wine-arch.sh"

i686_args=()
if hvt_i686_in_vm && [ "${1:-}" != --i686-all ]; then
  i686_args=(--core)
fi

"$top/scripts/deps.sh"
"$top/scripts/build.sh"
"$top/scripts/e2e-disk.sh" wintest
"$top/scripts/e2e-disk.sh" wintest32
echo "== built after $(( $(date +%s) - start )) s"

results="$out/test-results"
rm -rf "$results"; mkdir -p "$results"
logs=$out/test-logs
rm -rf "$logs"; mkdir -p "$logs"

native_tests() {
  nice -n 19 "$top/scripts/ctest-reported.sh" "$results/native" "$out/native"
}
# Each part in a process group of its own, so that an early end stops all
# of it; its output in a file, its wall time beside.
parts=() pids=()
start_part() { # name command...
  local name=$1; shift
  set -m
  { local t0; t0=$(date +%s); local rc=0; "$@" || rc=$?
    echo "$(( $(date +%s) - t0 ))" >"$logs/$name.seconds"; exit $rc; } >"$logs/$name.log" 2>&1 &
  pids+=($!); parts+=("$name")
  set +m
}
end_all() {
  local p
  for p in "${pids[@]}"; do kill -- -"$p" 2>/dev/null || true; done
}
trap end_all EXIT

where="on this machine"
hvt_i686_in_vm && where="in the VM (scripts/vm-i686.sh)"
echo "== running side by side: the x86-64 route, the i686 route $where" \
     "${i686_args[*]:+(core end-to-end tests)}, the native unit tests"
start_part i686 "$top/scripts/vm-i686.sh" "$top/scripts/test-route.sh" i686 "${i686_args[@]}"
start_part x86-64 "$top/scripts/test-route.sh" x86-64
start_part native native_tests

status=0
for i in "${!pids[@]}"; do
  wait "${pids[$i]}" || status=1
done
trap - EXIT
for name in "${parts[@]}"; do
  echo "==== $name: $(cat "$logs/$name.seconds" 2>/dev/null || echo '?') s"
  cat "$logs/$name.log"
done

"$top/scripts/test-summary.sh" "$results" || status=1
for name in "${parts[@]}"; do
  echo "wall time of $name: $(cat "$logs/$name.seconds" 2>/dev/null || echo '?') s"
done
echo "wall time: $(( $(date +%s) - start )) s"
exit $status
