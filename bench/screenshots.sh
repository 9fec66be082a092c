#!/bin/sh
# Screenshots of the view over a colourful test picture: the default view
# (the real program) and the grid with the information panel at 8x.
# Run inside a Wine environment:
#   tools/with-wine.sh bench/screenshots.sh [output folder]
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$root/build/screenshots}
mkdir -p "$out"
dir=$(mktemp -d /tmp/mirabo-shots.XXXXXX)
"$root/tools/desktop-picture.sh" "$dir/desktop.png"
display -window root "$dir/desktop.png" </dev/null >/dev/null 2>&1 &
sleep 1

shoot() {
    name=$1
    crop=$2
    xdotool mousemove $3 $4
    shift 4
    "$@" </dev/null >/dev/null 2>&1 &
    pid=$!
    sleep 4
    xwd -root -silent | convert xwd:- -crop "$crop" +repage "$out/$name.png"
    kill $pid
    wait $pid 2>/dev/null || true
}

cp "$root/build/win64/mirabo.exe" "$dir/mirabo.exe"
# The whole screen: the window at 100, 100 and the rose it magnifies.
shoot screenshot 1280x1024+0+0 700 520 /usr/lib/wine/wine64 "$dir/mirabo.exe"
# The window alone, where the iris meets the rose.
shoot screenshot-grid 440x440+90+90 655 588 \
    /usr/lib/wine/wine64 "$root/build/win64/view_demo.exe" zoom=8 grid panel cursor=3 size=420x420
rm -rf "$dir"
echo "$out"
