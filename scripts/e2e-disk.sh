#!/usr/bin/env bash
# scripts/e2e-disk.sh TREE: lays out Installation Disk 1 for the end-to-end
# tests of a Windows test tree from the programs they drive (build/wintest:
# its own x86-64 build; build/wintest32: the shipped programs of build/ship),
# with the files it was made from beside it; and beside it the disk of
# Sampler Suite, the engine's second product.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
out=${HVT_BUILD_DIR:-$top/build}
tree=${1:?usage: scripts/e2e-disk.sh wintest|wintest32}
case $tree in
  wintest) programs=$out/wintest ;;
  wintest32) programs=$out/ship ;;
  *) echo "e2e-disk.sh: no test tree $tree" >&2; exit 2 ;;
esac
disk=$out/$tree/e2e-disk/DISK1
rm -rf "$out/$tree/e2e-disk"
HVT_DISK_PROGRAMS=$programs HVT_DISK_ORIGINALS=$disk.originals \
  "$top/decompress/disk/make_disk.sh" "$disk" >"$out/$tree/e2e-disk.log" 2>&1 \
  || { cat "$out/$tree/e2e-disk.log"; exit 1; }
"$top/tests/sampler/make_sampler_disk.sh" "$out/$tree/e2e-disk/SAMPLER" "$programs" \
  "$out/$tree/bin/sampset.exe" >"$out/$tree/sampler-disk.log" 2>&1 \
  || { cat "$out/$tree/sampler-disk.log"; exit 1; }
