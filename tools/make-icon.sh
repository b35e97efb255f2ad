#!/usr/bin/env bash
# Draws Velmora's 64 x 64, 32-bit icon (a red rounded card with a white V) into
# ui/velmora.ico. The result is committed; run this only to change the picture.
set -euo pipefail
cd "$(dirname "$0")/.."
convert -size 64x64 xc:none \
    -fill '#c8161d' -draw 'roundrectangle 3,3,60,60,12,12' \
    -fill '#f5c400' -draw 'roundrectangle 10,44,53,52,3,3' \
    -fill none -stroke white -strokewidth 7 -draw 'polyline 16,12 32,38 48,12' \
    -type TrueColorAlpha -define icon:auto-resize=64 ui/velmora.ico
identify ui/velmora.ico
