#!/usr/bin/env bash
# Draws the gallery's two pictures with ImageMagick: an icon (16 and 32
# pixels, a yellow star on a green disc) and a 32 x 32 bitmap of a blue
# diamond on magenta, the colour the button keys bitmaps on through their
# top-left pixel, drawn without smoothing so that no pixel is nearly magenta.
set -euo pipefail
cd "$(dirname "$0")"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

star() {
  local s=$1 c=$(( $1 / 2 ))
  convert -size "${s}x${s}" xc:none \
    -fill '#2E8B3A' -stroke '#14501C' -draw "circle $c,$c $c,1" \
    -fill '#FFD21F' -stroke none \
    -draw "polygon $c,$((s / 8)) $((c + s / 10)),$((c - s / 10)) $((s - s / 8)),$((c - s / 10)) $((c + s / 6)),$((c + s / 10)) $((c + s / 4)),$((s - s / 8)) $c,$((c + s / 4)) $((c - s / 4)),$((s - s / 8)) $((c - s / 6)),$((c + s / 10)) $((s / 8)),$((c - s / 10)) $((c - s / 10)),$((c - s / 10))" \
    "PNG32:$2"
}
star 16 "$work/16.png"
star 32 "$work/32.png"
convert "$work/16.png" "$work/32.png" gallery.ico

convert -size 32x32 xc:magenta +antialias \
  -fill '#1F6FD6' -stroke '#0F4A9C' -draw "polygon 16,3 28,16 16,28 4,16" \
  -fill white -stroke none -draw "rectangle 14,10 17,21" \
  -type TrueColor BMP3:keyed.bmp
