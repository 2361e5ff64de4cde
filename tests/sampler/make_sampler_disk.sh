#!/usr/bin/env bash
# Lays out the Sampler Suite disk for the end-to-end tests:
#   tests/sampler/make_sampler_disk.sh OUTDIR PROGRAMS SAMPSET
# PROGRAMS is the build folder of the engine's programs under test (the
# uninstaller, the decompression library and the setup help come from it),
# SAMPSET the sampler's setup program. The files as they were before the disk
# compressed them are put in OUTDIR.originals.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
top=$(cd "$here/../.." && pwd)
build=${HVT_BUILD_DIR:-$top/build}
out=${1:?usage: make_sampler_disk.sh OUTDIR PROGRAMS SAMPSET}
programs=${2:?usage: make_sampler_disk.sh OUTDIR PROGRAMS SAMPSET}
sampset=${3:?usage: make_sampler_disk.sh OUTDIR PROGRAMS SAMPSET}
font=/usr/share/fonts/truetype/dejavu/DejaVuSansMono.ttf

built() { # name: the first file of that name among the programs
  local f
  f=$(find "$programs" -iname "$1" -type f -not -path '*/CMakeFiles/*' 2>/dev/null | sort | head -n 1)
  echo "${f:-$programs/$1}"
}

originals=$out.originals
rm -rf "$originals"; mkdir -p "$originals"
# The engine's data file: 2520 numbered lines, 65520 bytes.
for i in $(seq 0 2519); do printf 'Sampler engine data %05d\n' "$i"; done >"$originals/Engine.dat"

disk=$here/disk
args=(
  "sampset.exe=$sampset"
  "lzpunz32.dll=$(built lzpunz32.dll)"
  "install.hlp=$(built install.hlp)"
  "ReadMe.txt=$disk/ReadMe.txt"
  "Addenda.txt=$disk/Addenda.txt"
  "z:Sample1.txt=$disk/Sample1.txt"
  "Sample2.txt=$disk/Sample2.txt"
  "Script.txt=$disk/Script.txt"
  "Light.pal=$disk/Light.pal"
  "Dark.pal=$disk/Dark.pal"
  "z:DejaVuSansMono.ttf=$font"
  "z:Engine.dat=$originals/Engine.dat"
  "z:Vantrel3.exe=$(built Vantrel3.exe)"
  "Sounds.txt=$disk/Sounds.txt"
  "Sampler.bin=$disk/Sampler.bin"
)
"$build/native/decompress/disk/hvt_mkdisk" --files "$out" "${args[@]}"
for a in "${args[@]}"; do
  a=${a#z:}
  [ "${a%%=*}" = Engine.dat ] || cp "${a#*=}" "$originals/${a%%=*}"
done
