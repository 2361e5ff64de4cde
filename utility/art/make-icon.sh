#!/usr/bin/env bash
# Draws the utility's icon (a grey floppy-like safe with a green tick) and
# writes kelvane.ico with 32x32 and 16x16 images. The .ico is kept in the
# repository; run this again only to change the design.
set -euo pipefail
cd "$(dirname "$0")"
draw() { # size
  local s=$1
  convert -size ${s}x${s} xc:none \
    -fill '#808080' -stroke black -draw "rectangle 1,1 $((s-2)),$((s-2))" \
    -fill '#c0c0c0' -stroke none -draw "rectangle $((s/5)),2 $((s*4/5)),$((s*2/5))" \
    -fill white -draw "rectangle $((s/6)),$((s/2)) $((s*5/6)),$((s-4))" \
    -stroke '#008000' -strokewidth $((s/8 > 1 ? s/8 : 1)) -fill none \
    -draw "polyline $((s*3/10)),$((s*7/10)) $((s*9/20)),$((s*17/20)) $((s*3/4)),$((s*11/20))" \
    -colors 16 -type Palette "png8:icon$s.png"
}
draw 32
draw 16
convert icon32.png icon16.png kelvane.ico
rm -f icon32.png icon16.png
