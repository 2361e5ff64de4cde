#!/usr/bin/env bash
# Builds Installation Disk 1 from the real build outputs and checks it: every
# file is there under its disk name, and each compressed file expands with
# Debian's msexpand to exactly the file it was made from.
set -euo pipefail
top=$(cd "$(dirname "$0")/../../.." && pwd)
build=${HVT_BUILD_DIR:-$top/build}
disk=$(mktemp -d "$build/native/disk-test.XXXXXX")
trap 'rm -rf "$disk"' EXIT
"$top/decompress/disk/make_disk.sh" "$disk/DISK1" >"$disk/log" 2>&1 || { cat "$disk/log"; exit 1; }
fail=0
check_plain() { # disk-name source
  cmp -s "$disk/DISK1/$1" "$2" || { echo "FAIL $1 differs from $2"; fail=1; }
}
check_compressed() { # disk-name source
  msexpand <"$disk/DISK1/$1" >"$disk/expanded" 2>/dev/null || { echo "FAIL msexpand $1"; fail=1; return; }
  cmp -s "$disk/expanded" "$2" || { echo "FAIL $1 does not expand to $2"; fail=1; }
  [ "$(head -c 4 "$disk/DISK1/$1")" = "SZDD" ] || { echo "FAIL $1 is not SZDD"; fail=1; }
}
bin=$build/ship/bin
check_plain KIVERSET.EXE "$bin/kiverset.exe"
check_plain LZPUNZ32.DLL "$bin/lzpunz32.dll"
check_plain INSTALL.HLP "$bin/install.hlp"
check_compressed KELVANE.EX_ "$bin/kelvane.exe"
check_compressed KELVANE.HL_ "$bin/KELVANE.HLP"
check_compressed VANTREL3.EX_ "$bin/Vantrel3.exe"
for f in MSVBVM50.DL_ OLEAUT32.DL_; do
  [ -s "$disk/DISK1/$f" ] || { echo "FAIL $f missing"; fail=1; }
done
check_plain README.TXT "$top/decompress/disk/files/ReadMe.txt"
check_plain RESTORE.BAT "$top/decompress/disk/files/Restore.bat"
check_plain WHATSNEW.TXT "$top/decompress/disk/files/WhatsNew.txt"
n=$(ls "$disk/DISK1" | wc -l)
[ "$n" -eq 11 ] || { echo "FAIL the disk holds $n files, not 11"; ls "$disk/DISK1"; fail=1; }

# The floppy image, read back with mtools: a 1.44 MB FAT12 disk labelled
# HAVENTIDE1 that holds exactly the folder's files, byte for byte.
img=$disk/DISK1.img
[ "$(stat -c %s "$img" 2>/dev/null)" = 1474560 ] || { echo "FAIL $img is not a 1.44 MB image"; fail=1; }
minfo -i "$img" :: 2>/dev/null | grep -q 'disk type="FAT12 ' || { echo "FAIL $img is not FAT12"; fail=1; }
label=$(mlabel -i "$img" -s :: 2>/dev/null | sed "s/ *$//")
[ "$label" = " Volume label is HAVENTIDE1" ] || { echo "FAIL volume label: '$label'"; fail=1; }
on_image=$(mdir -i "$img" -b :: 2>/dev/null | sed 's|^::/||' | sort)
in_folder=$(ls "$disk/DISK1" | sort)
[ "$on_image" = "$in_folder" ] || { echo "FAIL the image holds:"; echo "$on_image"; fail=1; }
for f in $in_folder; do
  mcopy -i "$img" -n "::/$f" "$disk/from-image" 2>/dev/null && cmp -s "$disk/from-image" "$disk/DISK1/$f" \
    || { echo "FAIL $f on the image differs from the folder"; fail=1; }
  rm -f "$disk/from-image"
done
[ $fail -eq 0 ] && echo "Installation Disk 1: 11 files, all as built, and the same on its floppy image"
exit $fail
