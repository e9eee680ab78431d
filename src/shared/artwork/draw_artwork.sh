#!/usr/bin/env bash
# Paints the artwork of the shared dialogs with ImageMagick: the four 32×32
# kind icons of the message dialog, the bar's logo (155×35) and its large
# icon (128×128). Run it here after changing a drawing; the PNGs are committed.
set -euo pipefail
cd "$(dirname "$0")"
font=DejaVu-Sans-Bold

convert -size 32x32 xc:none \
  -fill '#f2c200' -stroke '#8a6d00' -strokewidth 1.5 -draw 'polygon 16,2 30.5,28.5 1.5,28.5' \
  -fill '#202020' -stroke none -draw 'roundrectangle 14.5,9 17.5,21 1.5,1.5' \
  -draw 'circle 16,25 16,26.8' warning.png

convert -size 32x32 xc:none \
  -fill '#d62b2b' -stroke '#8c1212' -strokewidth 1.5 -draw 'circle 16,16 16,1.5' \
  -stroke white -strokewidth 4 -draw 'line 10,10 22,22' -draw 'line 22,10 10,22' error.png

bubble() {  # $1 fill, $2 outline, $3 glyph, $4 output
  convert -size 32x32 xc:none \
    -fill "$1" -stroke "$2" -strokewidth 1.5 \
    -draw 'roundrectangle 1.5,1.5 30.5,23.5 6,6' -draw 'polygon 7,22 7,30.5 15,22' \
    -stroke none -draw 'rectangle 8,21 14,23' \
    -fill white -font "$font" -pointsize 19 -gravity north -annotate +0+1 "$3" "$4"
}
bubble '#2f6fd0' '#163f80' 'i' information.png
bubble '#2f9a4a' '#17602a' '?' confirmation.png

convert -size 155x35 xc:none \
  -fill '#2f6fd0' -draw 'roundrectangle 2,4 14,31 3,3' \
  -fill '#9cc0f0' -draw 'rectangle 5,8 11,12' -draw 'rectangle 5,15 11,19' -draw 'rectangle 5,22 11,26' \
  -font "$font" -pointsize 22 -fill '#1d3f73' -annotate +20+26 'tolvex' \
  -fill '#2f6fd0' -annotate +96+26 'Bar' tolvexbar_logo.png

convert -size 128x128 xc:none \
  -fill '#e8eef8' -stroke '#8aa2c8' -strokewidth 3 -draw 'roundrectangle 6,14 122,114 12,12' \
  -fill '#2f6fd0' -stroke none -draw 'roundrectangle 82,20 116,108 8,8' \
  -fill '#9cc0f0' -draw 'roundrectangle 88,28 110,46 4,4' \
  -draw 'roundrectangle 88,54 110,72 4,4' -draw 'roundrectangle 88,80 110,98 4,4' \
  -fill '#c3d2ea' -draw 'roundrectangle 16,26 72,40 4,4' -draw 'roundrectangle 16,50 60,64 4,4' \
  -draw 'roundrectangle 16,74 68,88 4,4' tolvexbar_icon.png
