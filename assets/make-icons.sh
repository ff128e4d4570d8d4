#!/usr/bin/env bash
# Draws the program's icons with ImageMagick: a white arrow dropping into a
# tray on a blue rounded square. Each size is drawn on its own pixel grid so
# the small ones stay crisp. Writes durnwick.ico (window) and tray.ico.
set -euo pipefail
cd "$(dirname "$0")"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# $1 size, $2 output, $3 corner radius, $4 border colour ("none" for the
# tray's full-bleed square), then the white motif as ImageMagick primitives.
draw() {
  local s=$1 out=$2 r=$3 border=$4
  shift 4
  local motif=()
  for primitive in "$@"; do motif+=(-draw "$primitive"); done
  convert -size "${s}x${s}" xc:none \
    -fill '#1F6FD6' -stroke "$border" -strokewidth 1 \
    -draw "roundrectangle 0.5,0.5 $((s - 1)).5,$((s - 1)).5 $r,$r" \
    -stroke none -fill white "${motif[@]}" \
    "PNG32:$out"
}

# The tray is three bars rather than a stroked open path: ImageMagick 6
# closes open stroked paths with a stray diagonal.
draw 32 "$work/w32.png" 6 '#0F4A9C' \
  "rectangle 14,5 17,12" "polygon 9,12 22,12 15.5,18.5" \
  "rectangle 6,17 8,25" "rectangle 6,24 25,26" "rectangle 23,17 25,25"
draw 16 "$work/w16.png" 3 '#0F4A9C' \
  "rectangle 7,3 8,6" "polygon 4,6 11,6 7.5,9.5" \
  "rectangle 3,9 3,12" "rectangle 3,12 12,12" "rectangle 12,9 12,12"
convert "$work/w32.png" "$work/w16.png" durnwick.ico

# The notification-area picture fills its square and uses heavier strokes.
draw 16 "$work/t16.png" 3 none \
  "rectangle 6,1 9,6" "polygon 2.5,6 12.5,6 7.5,11" \
  "rectangle 1,9 2,14" "rectangle 1,13 14,14" "rectangle 13,9 14,14"
draw 32 "$work/t32.png" 6 none \
  "rectangle 13,2 18,12" "polygon 6,12 25,12 15.5,21.5" \
  "rectangle 3,18 6,28" "rectangle 3,25 28,28" "rectangle 25,18 28,28"
convert "$work/t16.png" "$work/t32.png" tray.ico
