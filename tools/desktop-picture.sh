#!/bin/sh
# Writes the colourful test picture that the run command and the screenshots
# show as the desktop: a gradient, a large rose and three colour bars.
#   tools/desktop-picture.sh OUT.png
set -eu
convert -size 1280x1024 gradient:'#204080-#f0d080' \
    \( rose: -scale 800% \) -geometry +520+420 -composite \
    \( -size 300x40 xc:none -fill '#c02020' -draw 'rectangle 0,0 99,39' -fill '#20a040' \
       -draw 'rectangle 100,0 199,39' -fill '#2040c0' -draw 'rectangle 200,0 299,39' \) \
    -geometry +520+380 -composite "$1"
