#!/bin/sh
# Draws the magnifier icon at 16, 32 and 48 pixels and packs res/mirabo.ico.
# The .ico is committed; run this only to change the drawing.
set -e
cd "$(dirname "$0")/.."
tmp=$(mktemp -d)
for s in 16 32 48; do
    # Everything is drawn on a 48-unit canvas and scaled to the size.
    k=$(echo "scale=4; $s/48" | bc)
    f() { echo "scale=2; $1*$k" | bc; }
    sw=$(f 5); hw=$(f 9)
    convert -size ${s}x${s} xc:none \
        -stroke '#5a3a1a' -strokewidth "$hw" -draw "line $(f 29),$(f 29) $(f 44),$(f 44)" \
        -stroke '#9a6a3a' -strokewidth "$(f 5)" -draw "line $(f 30),$(f 30) $(f 43),$(f 43)" \
        -fill '#bfe3ff' -stroke '#20407a' -strokewidth "$sw" -draw "circle $(f 19),$(f 19) $(f 19),$(f 4)" \
        -fill '#ffffff' -stroke none -draw "circle $(f 14),$(f 13) $(f 14),$(f 10)" \
        "$tmp/icon$s.png"
done
convert "$tmp/icon16.png" "$tmp/icon32.png" "$tmp/icon48.png" res/mirabo.ico
rm -rf "$tmp"
