#!/usr/bin/env bash
# Draws the utility's icons, each with 32x32 and 16x16 images:
#   kelvane.ico  the program and its success notices: a grey floppy-like safe
#                with a green tick
#   refusal.ico  the refusal notices: the same safe with a red cross
#   error.ico    the error form: a red disc with a white cross
# The .ico files are kept in the repository; run this again only to change
# a design.
set -euo pipefail
cd "$(dirname "$0")"
# The safe, in the array args.
safe() { # size
  local s=$1
  args=(-fill '#808080' -stroke black -draw "rectangle 1,1 $((s-2)),$((s-2))"
        -fill '#c0c0c0' -stroke none -draw "rectangle $((s/5)),2 $((s*4/5)),$((s*2/5))"
        -fill white -draw "rectangle $((s/6)),$((s/2)) $((s*5/6)),$((s-4))")
}
pen() { echo $(($1/8 > 1 ? $1/8 : 1)); }
draw() { # name size
  local name=$1 s=$2
  args=()
  case $name in
    kelvane)
      safe "$s"
      args+=(-stroke '#008000' -strokewidth "$(pen "$s")" -fill none
             -draw "polyline $((s*3/10)),$((s*7/10)) $((s*9/20)),$((s*17/20)) $((s*3/4)),$((s*11/20))") ;;
    refusal)
      safe "$s"
      args+=(-stroke '#c00000' -strokewidth "$(pen "$s")" -fill none
             -draw "line $((s*3/10)),$((s*11/20)) $((s*7/10)),$((s*17/20))"
             -draw "line $((s*7/10)),$((s*11/20)) $((s*3/10)),$((s*17/20))") ;;
    error)
      args+=(-fill '#c00000' -stroke black -draw "circle $((s/2)),$((s/2)) $((s/2)),1"
             -stroke white -strokewidth "$(pen "$s")" -fill none
             -draw "line $((s*3/10)),$((s*3/10)) $((s*7/10)),$((s*7/10))"
             -draw "line $((s*7/10)),$((s*3/10)) $((s*3/10)),$((s*7/10))") ;;
  esac
  convert -size "${s}x${s}" xc:none "${args[@]}" -colors 16 -type Palette "png8:$name$s.png"
}
for name in kelvane refusal error; do
  draw "$name" 32
  draw "$name" 16
  convert "${name}32.png" "${name}16.png" "$name.ico"
  rm -f "${name}32.png" "${name}16.png"
done
