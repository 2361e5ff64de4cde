#!/usr/bin/env bash
# Draws the billboard test's bitmaps and writes them next to this script:
#   small256.bmp  PICSMALL256, 24 x 16 with a colour table: red left half,
#                 blue right half (the variant for 8 bits per pixel and more)
#   small.bmp     PICSMALL, 24 x 16 yellow (the plain one)
#   large.bmp     PICLARGE, 120 x 80 true colour: the left 30 columns green,
#                 the rest magenta, so a stretch is told from a centring
# The generated files are kept in the repository.
set -euo pipefail
cd "$(dirname "$0")"

convert -size 24x16 xc:'#ff0000' -fill '#0000ff' -draw "rectangle 12,0 23,15" \
  -type Palette "BMP3:small256.bmp"
convert -size 24x16 xc:'#ffff00' -type TrueColor "BMP3:small.bmp"
convert -size 120x80 xc:'#ff00ff' -fill '#00ff00' -draw "rectangle 0,0 29,79" \
  -type TrueColor "BMP3:large.bmp"
