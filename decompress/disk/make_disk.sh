#!/usr/bin/env bash
# Lays out Installation Disk 1 from the build's outputs, and beside it a
# 1.44 MB floppy image of it (OUTDIR.img, FAT12, volume label HAVENTIDE1):
#   decompress/disk/make_disk.sh OUTDIR
# The programs come from the ship build (build/ship), the disk builder from
# the native build. Msvbvm50.dll and Oleaut32.dll come from the folder named
# by HVT_REDIST_DIR when the packager sets it, else the stand-ins are used.
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
build=${HVT_BUILD_DIR:-$top/build}
out=${1:?usage: make_disk.sh OUTDIR}
mkdisk=$build/native/decompress/disk/hvt_mkdisk
# The programs come from the ship build, or from the build tree
# HVT_DISK_PROGRAMS names (the tests' own, where the shipped ones cannot run).
programs=${HVT_DISK_PROGRAMS:-$build/ship}
[ -x "$mkdisk" ] || { echo "make_disk.sh: build the native kind first ($mkdisk)" >&2; exit 1; }

# The first file of that name in the ship build, "" when there is none.
built() { find "$programs" -iname "$1" -type f -not -path '*/CMakeFiles/*' 2>/dev/null | sort | head -n 1; }
# A built file, preferring one outside the stand-ins.
product() {
  local f
  f=$(find "$programs" -iname "$1" -type f -not -path '*/CMakeFiles/*' -not -path '*/standins/*' \
      2>/dev/null | sort | head -n 1)
  [ -n "$f" ] && { echo "$f"; return; }
  built "$1"
}
redist() {
  if [ -n "${HVT_REDIST_DIR:-}" ]; then
    local f; f=$(find "$HVT_REDIST_DIR" -maxdepth 1 -iname "$1" -type f | head -n 1)
    [ -n "$f" ] && { echo "$f"; return; }
    echo "$HVT_REDIST_DIR/$1"   # named by the packager but absent: the builder says so
    return
  fi
  built "$1"
}
or_missing() { [ -n "$2" ] && echo "$2" || echo "$programs/$1"; }

files=$top/decompress/disk/files
args=(
  "kiverset.exe=$(or_missing kiverset.exe "$(product kiverset.exe)")"
  "lzpunz32.dll=$(or_missing lzpunz32.dll "$(product lzpunz32.dll)")"
  "install.hlp=$(or_missing install.hlp "$(product install.hlp)")"
  "Vantrel3.exe=$(or_missing Vantrel3.exe "$(product Vantrel3.exe)")"
  "Kelvane.exe=$(or_missing Kelvane.exe "$(product Kelvane.exe)")"
  "Kelvane.hlp=$(or_missing Kelvane.hlp "$(product Kelvane.hlp)")"
  "Msvbvm50.dll=$(or_missing Msvbvm50.dll "$(redist Msvbvm50.dll)")"
  "Oleaut32.dll=$(or_missing Oleaut32.dll "$(redist Oleaut32.dll)")"
  "ReadMe.txt=$files/ReadMe.txt"
  "Restore.bat=$files/Restore.bat"
  "WhatsNew.txt=$files/WhatsNew.txt"
)
if [ -z "${HVT_REDIST_DIR:-}" ]; then
  echo "Msvbvm50.dll, Oleaut32.dll: stand-ins of ours (no exports, version 0.0.0.0, so setup never"
  echo "  replaces a real copy); set HVT_REDIST_DIR to the folder that holds the real files"
fi
"$mkdisk" "$out" "${args[@]}"

# For the tests: the files as they were before the disk compressed them.
if [ -n "${HVT_DISK_ORIGINALS:-}" ]; then
  rm -rf "$HVT_DISK_ORIGINALS"; mkdir -p "$HVT_DISK_ORIGINALS"
  for a in "${args[@]}"; do cp "${a#*=}" "$HVT_DISK_ORIGINALS/${a%%=*}"; done
fi

# The same files on a floppy, for a Windows 95 machine's drive A: (the test
# build's programs are larger than a floppy holds, and no machine gets them).
[ -n "${HVT_DISK_PROGRAMS:-}" ] && exit 0
image=${out%/}.img
rm -f "$image"
mformat -i "$image" -f 1440 -C -v HAVENTIDE1 :: \
  || { echo "make_disk.sh: mformat could not make $image" >&2; exit 1; }
if ! mcopy -i "$image" -m -Q "$out"/* ::/; then
  rm -f "$image"
  echo "make_disk.sh: the disk's files do not fit on a 1.44 MB floppy" >&2
  exit 1
fi
echo "floppy image: $image"
