#!/usr/bin/env bash
# The main job: installs what is missing, builds everything, and starts the
# utility in a fresh Wine prefix whose C: drive holds the eight boot and
# configuration files. With no display it runs headless under Xvfb, saves a
# screenshot of the main window and says where it is.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
out=${HVT_BUILD_DIR:-$top/build}

"$top/scripts/deps.sh"
"$top/scripts/build.sh"
echo "== Installation Disk 1"
rm -rf "$out/disk"
"$top/decompress/disk/make_disk.sh" "$out/disk/DISK1" >"$out/disk.log" 2>&1 \
  || { cat "$out/disk.log"; exit 1; }
echo "the disk: $out/disk/DISK1, and as a 1.44 MB floppy image: $out/disk/DISK1.img"

headless=1
if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  headless=0
  export HVT_USE_DISPLAY=1
fi
source "$top/scripts/wine-session.sh"
source "$top/scripts/wine-arch.sh"
trap wine_session_stop EXIT
echo "== preparing a fresh Wine prefix"
wine_session_start "$out/wine-run" fresh

# The machine the utility expects: the boot files in C:\, the Windows
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

# The shipped program where this machine runs 32-bit code, else the x86-64
# build of the same sources.
if [ "$(hvt_wine_arch)" = 32 ]; then
  exe="$out/ship/bin/kelvane.exe"
else
  exe="$out/wintest/bin/kelvane.exe"
fi
echo "== starting $exe"
"$HVT_WINE" "$exe" >"$out/wine-run/kelvane.log" 2>&1 &
wine_pid=$!

if [ "$headless" = 1 ]; then
  shot="$out/kelvane-main-window.png"
  for _ in $(seq 1 100); do
    id=$(xwininfo -root -tree 2>/dev/null | awk '/"Configuration Haventide":/ {print $1; exit}')
    [ -n "$id" ] && break
    sleep 0.1
  done
  if [ -z "${id:-}" ]; then
    echo "the main window did not appear" >&2
    exit 1
  fi
  sleep 0.5  # let the first paint finish before the picture is taken
  import -window "$id" "$shot"
  echo "screenshot of the main window: $shot"
else
  echo "kelvane is running on $DISPLAY; close it to end"
  wait "$wine_pid" || true
fi
