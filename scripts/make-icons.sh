#!/usr/bin/env bash
# Renders the PNG icons from data/icons/kolorat.svg (ImageMagick). The PNGs
# are committed; run this again after changing the SVG.
set -euo pipefail
cd "$(dirname "$0")/../data/icons"
CONVERT=/usr/bin/convert
[ -x "$CONVERT" ] || CONVERT=convert
for size in 16 22 24 32 48 64 128 256; do
  # Render at four times the size and scale down: sharper edges at 16 and 22.
  "$CONVERT" -background none -density $((96 * size * 4 / 256)) kolorat.svg \
    -resize "${size}x${size}" -strip "PNG32:kolorat-${size}.png"
done
