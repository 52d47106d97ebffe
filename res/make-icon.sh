#!/usr/bin/env bash
# Draws the application icon (a disc with a copy arrow on a blue tile) at the
# sizes Windows asks for and packs them into TavCopyTool.ico. Run by hand when
# the drawing changes; the .ico is committed.
set -euo pipefail
cd "$(dirname "$0")"
tmp=$(mktemp -d)
convert -size 256x256 xc:none \
  -fill '#1f5fa8' -draw 'roundrectangle 8,8 247,247 40,40' \
  -fill '#e8eef6' -stroke '#8aa4c4' -strokewidth 4 -draw 'circle 110,120 110,30' \
  -fill '#1f5fa8' -stroke none -draw 'circle 110,120 110,100' \
  -fill '#ffffff' -draw 'circle 110,120 110,110' \
  -fill '#f5a623' -stroke '#ffffff' -strokewidth 6 \
  -draw 'polygon 150,170 210,170 210,145 245,195 210,245 210,220 150,220' \
  "$tmp/256.png"
for s in 16 24 32 48 64; do convert "$tmp/256.png" -resize ${s}x${s} "$tmp/$s.png"; done
convert "$tmp/16.png" "$tmp/24.png" "$tmp/32.png" "$tmp/48.png" "$tmp/64.png" "$tmp/256.png" TavCopyTool.ico
rm -rf "$tmp"
