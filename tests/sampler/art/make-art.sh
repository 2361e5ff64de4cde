#!/usr/bin/env bash
# Draws the sampler's billboard pictures and writes them next to this
# script (kept in the repository; run again only to change them):
#   billboard1.bmp   SAMPLERART1, 16 colours
#   billboard2.bmp   SAMPLERART2, 16 colours, for displays of few colours
#   billboard2-256.bmp  SAMPLERART2256, 256 colours, for the others
#   billboard3.bmp   SAMPLERART3, 16 colours
# All 200 x 70 pixels.
set -euo pipefail
cd "$(dirname "$0")"

picture() { # file colours background text
  convert -size 200x70 "xc:$3" -fill white -stroke black -draw "rectangle 4,4 195,65" \
    -fill black -stroke none -font /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf -pointsize 14 -gravity center -annotate +0+0 "$4" \
    -colors "$2" -type Palette -compress none "BMP3:$1"
}
picture billboard1.bmp 16 '#000080' 'Samples to try'
picture billboard2.bmp 16 '#008000' 'Schemes light and dark'
picture billboard2-256.bmp 256 '#40a040' 'Schemes light and dark'
picture billboard3.bmp 16 '#800000' 'A font of your own'
