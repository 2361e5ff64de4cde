#!/usr/bin/env bash
# Installs what the build and the tests need on a Debian 12 machine (as root).
# Does nothing when everything is already there.
#   scripts/deps.sh              for everything, the tests included
#   scripts/deps.sh --main-job   for the main job (scripts/run.sh) only
set -euo pipefail

packages=(cmake make ninja-build g++ googletest
          g++-mingw-w64-i686 binutils-mingw-w64-i686 g++-mingw-w64-x86-64
          wine wine32:i386 wine64 xvfb x11-utils imagemagick mscompress mtools fonts-wine)
if [ "${1:-}" != --main-job ]; then
  # The fuzz targets, the second product's font, and the VM that runs the
  # i686 route where this machine runs no IA-32 code (scripts/vm-i686.sh;
  # its kernel is downloaded, not installed).
  packages+=(clang libclang-rt-dev fonts-dejavu-core)
  source "$(dirname "$0")/wine-arch.sh"
  if hvt_i686_in_vm; then
    packages+=(qemu-system-x86 busybox-static e2fsprogs)
  fi
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "installing: ${missing[*]}"
if [ "$(id -u)" != 0 ]; then
  echo "deps.sh: these packages are missing and only root can install them" >&2
  exit 1
fi
dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
export DEBIAN_FRONTEND=noninteractive
# A mirror in mid-sync can fail one index (seen: bookworm-security's i386
# list); the install below still fails if a package cannot be found.
apt-get update -q || echo "deps.sh: some package lists could not be read; going on with the others" >&2
apt-get install -y -q --no-install-recommends "${missing[@]}"
