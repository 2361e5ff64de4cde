#!/usr/bin/env bash
# Draws the setup engine's images and writes them next to this script:
#   finstall.ico  ICONFINSTALL, a disk going into a box (32x32, 16x16)
#   setup.ico     ICONSETUP, the engine's own icon (32x32, 16x16)
#   button1.bmp .. button6.bmp   background buttons 2001-2006, 63 x 39:
#                 close, help, minimise, each up then pressed
#   background.bmp   BKBITMAP, the picture in the middle of the background
# The bitmaps are 8-bit run-length encoded (BI_RLE8): a few colours in
# runs, a few kilobytes in the program instead of 130. The generated files
# are kept in the repository; run this again only to change the design.
set -euo pipefail
cd "$(dirname "$0")"

icon() { # name colour
  local name=$1 colour=$2 s
  for s in 32 16; do
    convert -size ${s}x${s} xc:none \
      -fill '#c0c0c0' -stroke black -draw "rectangle 1,$((s/3)) $((s-2)),$((s-2))" \
      -fill "$colour" -stroke black -draw "rectangle $((s/4)),1 $((s*3/4)),$((s/2))" \
      -fill white -stroke none -draw "rectangle $((s/3)),2 $((s*2/3)),$((s/5))" \
      -colors 16 -type Palette "png8:$name$s.png"
  done
  convert "${name}32.png" "${name}16.png" "$name.ico"
  rm -f "${name}32.png" "${name}16.png"
}
icon finstall '#000080'
icon setup '#008000'

button() { # number pressed(0/1) drawing
  local n=$1 pressed=$2 draw=$3 light=white dark='#808080' off=0
  if [ "$pressed" = 1 ]; then light='#808080'; dark=white; off=1; fi
  convert -size 63x39 xc:'#c0c0c0' \
    -stroke "$light" -draw "line 0,0 62,0" -draw "line 0,0 0,38" \
    -stroke "$dark" -draw "line 62,0 62,38" -draw "line 0,38 62,38" \
    -stroke black -strokewidth 3 -fill none -draw "translate $off,$off $draw" \
    -type Palette -compress RLE "BMP3:button$n.bmp"
}
close='line 23,11 39,27 line 39,11 23,27'
help='path "M 25,12 Q 31,5 37,12 Q 39,17 31,21 L 31,24" point 31,28'
minimise='line 22,27 40,27'
button 1 0 "$close";    button 2 1 "$close"
button 3 0 "$help";     button 4 1 "$help"
button 5 0 "$minimise"; button 6 1 "$minimise"

convert -size 240x120 xc:'#000080' \
  -fill '#c0c0c0' -stroke black -draw "rectangle 20,20 220,100" \
  -fill '#008000' -stroke none -draw "rectangle 40,40 100,80" \
  -fill white -draw "rectangle 120,40 200,48" -draw "rectangle 120,56 200,64" -draw "rectangle 120,72 180,80" \
  -type Palette -compress RLE "BMP3:background.bmp"
