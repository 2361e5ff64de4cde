#!/usr/bin/env bash
# Lays out Installation Disk 1 for the end-to-end tests from the programs
# they drive (the shipped ones where this machine runs 32-bit code, else the
# test build's), with the files it was made from beside it; and beside it
# the disk of Sampler Suite, the engine's second product.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
out=${HVT_BUILD_DIR:-$top/build}
source "$top/scripts/wine-arch.sh"
disk=$out/wintest/e2e-disk/DISK1
rm -rf "$out/wintest/e2e-disk"
if [ "$(hvt_wine_arch)" = 32 ]; then
  programs=$out/ship
else
  programs=$out/wintest
fi
HVT_DISK_PROGRAMS=$programs HVT_DISK_ORIGINALS=$disk.originals \
  "$top/decompress/disk/make_disk.sh" "$disk" >"$out/wintest/e2e-disk.log" 2>&1 \
  || { cat "$out/wintest/e2e-disk.log"; exit 1; }
"$top/tests/sampler/make_sampler_disk.sh" "$out/wintest/e2e-disk/SAMPLER" "$programs" \
  "$out/wintest/bin/sampset.exe" >"$out/wintest/sampler-disk.log" 2>&1 \
  || { cat "$out/wintest/sampler-disk.log"; exit 1; }
