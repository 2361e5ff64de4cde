#!/usr/bin/env bash
# The main job: installs what is missing, builds what it runs, lays out
# Installation Disk 1, and installs Configuration Haventide from it in a
# fresh Windows 95-mode Wine prefix: the eight boot and configuration files
# on C:, the stand-in Program Manager serving, the disk as drive A: (a floppy
# drive), and A:\KIVERSET.EXE A:\ started. With a display the user installs.
# Without one it runs headless under Xvfb: each screen is answered as a user
# pressing Enter would and its picture saved to build/screens/, then the
# installed program is started through its Program Manager item.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
out=${HVT_BUILD_DIR:-$top/build}

"$top/scripts/deps.sh" --main-job
source "$top/scripts/wine-arch.sh"
# Only what this job runs: the shipped programs, and the stand-in Program
# Manager and headless user of the test tree whose Wine runs here.
if hvt_runs_ia32; then
  "$top/scripts/build.sh" --main-job native ship wintest32
else
  "$top/scripts/build.sh" --main-job native ship wintest
fi
echo "== Installation Disk 1"
rm -rf "$out/disk"
"$top/decompress/disk/make_disk.sh" "$out/disk/DISK1" >"$out/disk.log" 2>&1 \
  || { cat "$out/disk.log"; exit 1; }
echo "the disk: $out/disk/DISK1, and as a 1.44 MB floppy image: $out/disk/DISK1.img"

# The shipped programs where this machine runs 32-bit code; else the same
# disk made of the x86-64 build of the same sources. The stand-in Program
# Manager and the headless user come from the test tree of that route.
if hvt_runs_ia32; then
  export HVT_WINE_ARCH=32
  disk=$out/disk/DISK1
  bin=$out/wintest32/bin
else
  export HVT_WINE_ARCH=64
  disk=$out/wintest/run-disk/DISK1
  rm -rf "$out/wintest/run-disk"
  HVT_DISK_PROGRAMS=$out/wintest "$top/decompress/disk/make_disk.sh" "$disk" \
    >"$out/wintest/run-disk.log" 2>&1 || { cat "$out/wintest/run-disk.log"; exit 1; }
  bin=$out/wintest/bin
  echo "this machine runs no 32-bit code: drive A: holds $disk, the disk made of the x86-64 build"
fi

headless=1
if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  headless=0
  export HVT_USE_DISPLAY=1
fi
source "$top/scripts/wine-session.sh"
trap wine_session_stop EXIT
echo "== preparing a fresh Wine prefix"
wine_session_start "$out/wine-run" fresh

# The machine the product expects: the boot files in C:\, the Windows
# folder's own files beside SYSTEM.INI and WIN.INI.
c="$WINEPREFIX/drive_c"
printf '@ECHO OFF\r\nPATH C:\\WINDOWS;C:\\WINDOWS\\COMMAND\r\n' >"$c/AUTOEXEC.BAT"
printf 'DEVICE=C:\\WINDOWS\\HIMEM.SYS\r\nFILES=40\r\n' >"$c/CONFIG.SYS"
printf 'Microsoft(R) Windows 95 command interpreter (stand-in)\r\n' >"$c/COMMAND.COM"
printf 'IO.SYS (stand-in)\r\n' >"$c/IO.SYS"
printf '[Paths]\r\nWinDir=C:\\WINDOWS\r\n[Options]\r\nBootGUI=1\r\n' >"$c/MSDOS.SYS"
printf 'WIN.COM (stand-in)\r\n' >"$c/windows/WIN.COM"
"$HVT_WINE" cmd /c attrib +r +h +s 'C:\IO.SYS' >/dev/null 2>&1 || true
"$HVT_WINE" cmd /c attrib +r +h +s 'C:\MSDOS.SYS' >/dev/null 2>&1 || true

# Installation Disk 1 in drive A:, a floppy drive.
ln -sfn "$disk" "$WINEPREFIX/dosdevices/a:"
"$HVT_WINE" reg add 'HKLM\Software\Wine\Drives' /v a: /d floppy /f >/dev/null 2>&1

# The stand-in Program Manager serves PROGMAN for setup's group and items.
state=$out/wine-run/progman-state.txt
winpath() { echo "Z:${1//\//\\}"; }
rm -f "$state"
"$HVT_WINE" "$bin/progman_server.exe" "$(winpath "$state")" >"$out/wine-run/progman.log" 2>&1 &
for _ in $(seq 1 300); do [ -s "$state" ] && break; sleep 0.1; done
[ -s "$state" ] || { echo "the stand-in Program Manager did not start" >&2; exit 1; }

echo "== installing: A:\\KIVERSET.EXE A:\\"
if [ "$headless" = 1 ]; then
  screens=$out/screens
  rm -rf "$screens"; mkdir -p "$screens"
  code=0
  "$HVT_WINE" "$bin/install_walkthrough.exe" 'A:\KIVERSET.EXE A:\' "$(winpath "$screens")" \
    "$(winpath "$state")" 2>/dev/null | tr -d '\r' || code=$?
  for bmp in "$screens"/*.bmp; do
    [ -f "$bmp" ] && convert "$bmp" "${bmp%.bmp}.png" && rm "$bmp"
  done
  echo "pictures of the screens: $(ls "$screens" | tr '\n' ' ')in $screens"
else
  code=0
  "$HVT_WINE" 'A:\KIVERSET.EXE' 'A:\' || code=$?
  echo "setup's exit code: $code"
fi

echo "== the machine after setup"
folder="$c/Program Files/Configuration Haventide"
echo "installed into C:\\Program Files\\Configuration Haventide:"
ls -l "$folder" 2>/dev/null | tail -n +2 || echo "  (nothing)"
echo "the uninstall entry:"
"$HVT_WINE" reg query \
  'HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\Configuration Haventide' 2>/dev/null \
  | tr -d '\r' | grep -v '^$' || echo "  (none)"
echo "Program Manager:"
grep -E '^(group|item): ' "$state" || echo "  (no group)"
exit "$code"
