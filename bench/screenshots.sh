#!/bin/sh
# Screenshots of the view over a colourful test picture: the default view
# (the real program), the grid with the information panel at 8x and the
# same with an area sample of 5 x 5; then
# the four pages of the options sheet and the capture-key editor; the
# context menu and the capture menu; the format box's token menu with its
# colour-science submenus.
# Last, the view on the second monitor of a desktop of two, on an X
# server of its own (tests/two_monitors.sh).
# Run inside a Wine environment:
#   tools/with-wine.sh bench/screenshots.sh [output folder]
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)

# On the two-monitor desktop: the primary 1024 x 768 (X's 800, 0) shows a
# gradient, the second monitor 800 x 600 left of it (X's 0, 0) the rose;
# the corner under the second belongs to no monitor and stays black. The
# window with its panel on the primary, the pointer on the rose.
if [ "${1:-}" = --on-two-monitors ]; then
    out=$2 dir=$3
    convert -size 1824x768 xc:black \( -size 1024x768 gradient:'#204080-#f0d080' \) -geometry +800+0 -composite \
        \( "$dir/desktop.png" -crop 800x600+480+380 \) -geometry +0+0 -composite "$dir/monitors.png"
    display -window root "$dir/monitors.png" </dev/null >/dev/null 2>&1 &
    printf '[System]\r\nHeight=340\r\nZoom=3\r\nDispMouseDownInfo=1\r\n' >"$dir/system.ini"
    xdotool mousemove 420 250
    sleep 1
    /usr/lib/wine/wine64 "$dir/mirabo.exe" </dev/null >/dev/null 2>&1 &
    sleep 5
    xwd -root -silent | convert xwd:- "$out/screenshot-monitors.png"
    exit 0
fi

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
    gone
}

# Waits until no window of the program is left (a killed Wine process
# takes a moment to take its windows along).
gone() {
    i=0
    while xdotool search --name '^Mirabo$' >/dev/null 2>&1 && [ $i -lt 50 ]; do
        sleep 0.2
        i=$((i + 1))
    done
}

cp "$root/build/win64/mirabo.exe" "$dir/mirabo.exe"
# The whole screen: the window at 100, 100 and the rose it magnifies.
shoot screenshot 1280x1024+0+0 700 520 /usr/lib/wine/wine64 "$dir/mirabo.exe"
# The window alone, where the iris meets the rose.
shoot screenshot-grid 440x440+90+90 655 588 \
    /usr/lib/wine/wine64 "$root/build/win64/view_demo.exe" zoom=8 grid panel cursor=3 size=420x420
# The same with the mean of 5 x 5 pixels: their cells outlined round the
# pointer's, over the arrow, the size after the colour.
shoot screenshot-sample 440x440+90+90 655 588 \
    /usr/lib/wine/wine64 "$root/build/win64/view_demo.exe" zoom=8 grid panel sample=5 size=420x420

# The options sheet, opened by Alt+O over settings that leave its boxes
# enabled and a few capture keys of every kind (the first key's Ctrl+C is
# the fourth one's too, which the editor marks). Shift+Tab reaches the
# tabs, Right turns to the next page.
printf '[System]\r\nDispMouseDownInfo=1\r\nWindowAlpha=1\r\nOpacity=80\r\n[CopyKey]\r\n%s\r\n%s\r\n%s\r\n%s\r\n%s\r\n' \
    'Key=0,#[HEX02R][HEX02G][HEX02B],32,32,0,0,579,1656' 'Key=0,RGB([DECR]\, [DECG]\, [DECB]),32,32,0,0,0,0' \
    'Key=2,,0,0,0,0,0,0' 'Key=1,,32,32,1,4,579,0' 'Key=0,\\4 \\2,32,32,0,0,49,2120' >"$dir/system.ini"
/usr/lib/wine/wine64 "$dir/mirabo.exe" </dev/null >/dev/null 2>&1 &
pid=$!
xdotool search --sync --onlyvisible --name '^Mirabo$' windowfocus --sync key alt+o
sheet=$(xdotool search --sync --onlyvisible --name 'オプション' | head -1)
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
gone

# The open popup menus' X windows, lowest first.
popup_windows() {
    for w in $(xwininfo -root -children | sed -n 's/^ *\(0x[0-9a-f]*\) .*/\1/p' | tac); do
        case "$(xwininfo -id "$w")" in *IsViewable*"Override Redirect State: yes"*) echo "$w" ;; esac
    done
}

# Keeps the pictures of the menus open now for the next shoot_menus: Wine
# shows a menu's window black on X while some of its submenus are open, so
# a menu is taken with its item highlighted, before the submenu opens.
keep_menus() {
    for w in $(popup_windows); do
        xwd -id "$w" -silent | convert xwd:- "$dir/kept-$w.png"
    done
}

# The screen with the popup menus on it. Their windows save what lies under
# them, which Xvfb shows black on the root window, so each is taken from
# its own X window and laid over the root's picture, lowest first.
shoot_menus() {
    xwd -root -silent | convert xwd:- "$dir/root.png"
    for w in $(popup_windows); do
        info=$(xwininfo -id "$w")
        # The absolute corner: -geometry counts from the screen's bottom
        # edge for a window that lies nearer to it.
        x=$(echo "$info" | sed -n 's/.*Absolute upper-left X: *\([0-9-]*\).*/\1/p')
        y=$(echo "$info" | sed -n 's/.*Absolute upper-left Y: *\([0-9-]*\).*/\1/p')
        at="+$x+$y"
        if [ -f "$dir/kept-$w.png" ]; then
            cp "$dir/kept-$w.png" "$dir/menu.png"
        else
            xwd -id "$w" -silent | convert xwd:- "$dir/menu.png"
        fi
        convert "$dir/root.png" "$dir/menu.png" -geometry "$at" -composite "$dir/root.png"
    done
    rm -f "$dir"/kept-*.png
    convert "$dir/root.png" -crop "$2" +repage "$out/$1.png"
}

# The menus over the built-in capture keys (no system.ini), the pointer on
# the rose: Alt+Space opens the context menu at the window's corner (Down
# and Right open its zoom submenu), Space the capture menu at the pointer.
rm -f "$dir/system.ini"
xdotool mousemove 700 520
/usr/lib/wine/wine64 "$dir/mirabo.exe" </dev/null >/dev/null 2>&1 &
pid=$!
main=$(xdotool search --sync --onlyvisible --name '^Mirabo$' | head -1)
sleep 2
xdotool windowfocus --sync "$main" key alt+space
sleep 1
xdotool key Down Right
sleep 1
shoot_menus context-menu 420x300+90+90
xdotool key Escape Escape
sleep 1
xdotool windowfocus --sync "$main" key space
sleep 1
shoot_menus capture-menu 900x700+90+90
xdotool key Escape
sleep 1

# The "+" menu of the user line's format box on the 表示 page (the button
# lies 245, 135 into the sheet), with each colour-science submenu open in
# turn: six times Down and Right open 色空間, Left, Down and Right the next.
xdotool windowfocus --sync "$main" key alt+o
sheet=$(xdotool search --sync --onlyvisible --name 'オプション' | head -1)
xdotool windowfocus --sync "$sheet"
sleep 1
eval "$(xdotool getwindowgeometry --shell "$sheet")"
xdotool mousemove $((X + 245)) $((Y + 135)) click 1
sleep 1
xdotool key Down Down Down Down Down Down
sleep 1
keep_menus
xdotool key Right
sleep 1
shoot_menus token-menu-colorspace 480x560+$((X + 230))+$((Y + 125))
for name in css contrast; do
    xdotool key Left Down
    sleep 1
    keep_menus
    xdotool key Right
    sleep 1
    shoot_menus token-menu-$name 560x300+$((X + 230))+$((Y + 125))
done
xdotool key Escape Escape
sleep 1
kill $pid
wait $pid 2>/dev/null || true

rm -f "$dir/system.ini"
"$root/tests/two_monitors.sh" win64 "$root/build/win64/keeper.exe" --sh "'$0' --on-two-monitors '$out' '$dir'"

rm -rf "$dir"
echo "$out"
