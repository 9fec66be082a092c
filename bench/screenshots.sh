#!/bin/sh
# Screenshots of the view over a colourful test picture: the default view
# (the real program) and the grid with the information panel at 8x; then
# the four pages of the options sheet and the capture-key editor.
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

# The options sheet, opened by Alt+O over settings that leave its boxes
# enabled and a few capture keys of every kind (the first key's Ctrl+C is
# the fourth one's too, which the editor marks). Shift+Tab reaches the
# tabs, Right turns to the next page.
printf '[System]\r\nDispMouseDownInfo=1\r\nWindowAlpha=1\r\nOpacity=80\r\n[CopyKey]\r\n%s\r\n%s\r\n%s\r\n%s\r\n%s\r\n' \
    'Key=0,#[HEX02R][HEX02G][HEX02B],32,32,0,0,579,1656' 'Key=0,RGB([DECR]\, [DECG]\, [DECB]),32,32,0,0,0,0' \
    'Key=2,,0,0,0,0,0,0' 'Key=1,,32,32,1,4,579,0' 'Key=0,\\4 \\2,32,32,0,0,49,2120' >"$dir/system.ini"
/usr/lib/wine/wine64 "$dir/mirabo.exe" </dev/null >/dev/null 2>&1 &
pid=$!
xdotool search --sync --name '^Mirabo$' windowfocus --sync key alt+o
sheet=$(xdotool search --sync --name 'オプション' | head -1)
xdotool windowfocus --sync "$sheet"
sleep 1
eval "$(xdotool getwindowgeometry --shell "$sheet")"
shoot_sheet() {
    xwd -root -silent | convert xwd:- -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$out/$1.png"
}
shoot_sheet options-display
xdotool key shift+Tab Right
sleep 1
shoot_sheet options-window
xdotool key Right
sleep 1
shoot_sheet options-copykeys
# The editor on the first key (Alt+E). Its window class saves what lies
# under it, and Xvfb then shows it black on the root window: it is taken
# from its own X window.
xdotool key alt+e
editor=$(xdotool search --sync --name '取得キー情報の変更' | head -1)
sleep 1
xwd -id "$editor" -silent | convert xwd:- "$out/copykey-editor.png"
xdotool key Escape
xdotool windowfocus --sync "$sheet"
sleep 1
xdotool key shift+Tab Right
sleep 1
shoot_sheet options-other
kill $pid
wait $pid 2>/dev/null || true

rm -rf "$dir"
echo "$out"
