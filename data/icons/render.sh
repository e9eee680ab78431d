#!/usr/bin/env bash
# Paints the PNG sizes of the hicolor theme with ImageMagick, from the same
# shapes as tolvexbar.svg (ImageMagick here reads no SVG), at 256 pixels and
# scaled down. Run it here after changing the drawing; the PNGs are committed.
set -euo pipefail
cd "$(dirname "$0")"
convert -size 256x256 xc:none -draw 'scale 2,2
  fill #e8eef8 stroke #8aa2c8 stroke-width 3 roundrectangle 6,14 122,114 12,12
  fill #2f6fd0 stroke none roundrectangle 82,20 116,108 8,8
  fill #9cc0f0 roundrectangle 88,28 110,46 4,4 roundrectangle 88,54 110,72 4,4
  roundrectangle 88,80 110,98 4,4
  fill #c3d2ea roundrectangle 16,26 72,40 4,4 roundrectangle 16,50 60,64 4,4
  roundrectangle 16,74 68,88 4,4' tolvexbar-256.png
for size in 16 22 24 32 48 64 128; do
  convert tolvexbar-256.png -filter Lanczos -resize "${size}x${size}" "tolvexbar-${size}.png"
done
