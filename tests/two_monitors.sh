#!/bin/sh
# Runs a test program under Wine on a desktop of two monitors side by side:
# the primary 1024 x 768 at 0, 0 and a second one of 800 x 600 left of it,
# at -800, 0 in Windows' screen coordinates. Xvfb cannot place monitors
# side by side (its heads all sit at 0, 0); Xorg with its dummy video
# driver and RandR can. The run has its own X server, Wine prefix,
# wineserver and keeper window, apart from those of the other Wine tests,
# and takes them all down however it ends.
#   tests/two_monitors.sh <win32|win64> <keeper.exe> <test.exe> [arguments]
#   tests/two_monitors.sh <win32|win64> <keeper.exe> --sh <shell command>
# (the second form for the screenshots: DISPLAY and WINEPREFIX are set).
# Exit code 77 (skipped) where Xorg and its dummy driver cannot run.
set -u
arch=$1 keeper=$2
shift 2
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/tools/wine-env.sh"

# Whatever Wine environment the caller runs in stays untouched.
unset WINEPREFIX WINE_ENV_SERVER_PID
work=$(mktemp -d /tmp/mirabo-monitors.XXXXXX)
xorg_pid=
cleanup() {
    WINE_ENV_XVFB_PID=$xorg_pid
    wine_env_stop
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM
skip() { echo "two_monitors: $*: skipped"; exit 77; }
fail() { echo "two_monitors: $*" >&2; exit 1; }
# Runs the command every 0.2 s until it succeeds, for at most $1 seconds.
poll() {
    n=$(($1 * 5))
    shift
    until "$@"; do [ $((n -= 1)) -gt 0 ] || return 1; sleep 0.2; done
}

[ -x /usr/lib/xorg/Xorg ] && [ -e /usr/lib/xorg/modules/drivers/dummy_drv.so ] && command -v xrandr >/dev/null ||
    skip "no Xorg with the dummy driver, or no xrandr"

# The framebuffer holds both monitors side by side (1824 x 768); the
# primary's mode is set here, the second's with RandR below.
cat >"$work/xorg.conf" <<'EOF'
Section "Device"
    Identifier "dummy"
    Driver "dummy"
    VideoRam 128000
EndSection
Section "Monitor"
    Identifier "monitor"
    HorizSync 5.0-1000.0
    VertRefresh 5.0-200.0
    Modeline "1024x768" 65.00 1024 1048 1184 1344 768 771 777 806 -hsync -vsync
EndSection
Section "Screen"
    Identifier "screen"
    Device "dummy"
    Monitor "monitor"
    DefaultDepth 24
    SubSection "Display"
        Depth 24
        Virtual 1824 768
        Modes "1024x768"
    EndSubSection
EndSection
EOF
# Xorg picks a free display itself and reports it on the fd; it shares the
# console's virtual terminal instead of switching to one of its own.
/usr/lib/xorg/Xorg -displayfd 7 -config "$work/xorg.conf" -noreset -nolisten tcp -sharevts -novtswitch \
    -logfile "$work/xorg.log" 7>"$work/display" </dev/null >/dev/null 2>&1 &
xorg_pid=$!
poll 15 test -s "$work/display" || skip "Xorg did not start ($(grep -m1 '(EE)' "$work/xorg.log" 2>/dev/null))"
export DISPLAY=":$(cat "$work/display")"

xrandr --newmode 800x600_60 40.00 800 840 968 1056 600 601 605 628 +hsync +vsync &&
    xrandr --addmode DUMMY1 800x600_60 &&
    xrandr --output DUMMY1 --mode 800x600_60 --left-of DUMMY0 &&
    xrandr --output DUMMY0 --primary || fail "xrandr could not set up the second monitor"
two_monitors() { xrandr --listmonitors 2>/dev/null | grep -q '^Monitors: 2$'; }
poll 10 two_monitors || fail "xrandr --listmonitors does not list two monitors: $(xrandr --listmonitors 2>&1)"

# A prefix of its own, and the keeper window of the test's own build.
wine_env_start "$work/wine" "$DISPLAY"
"$root/tools/wine-run.sh" "$arch" "$keeper" >/dev/null 2>&1 &
sleep 1
# The test program waits until Wine lists both monitors itself.
if [ "$1" = --sh ]; then
    shift
    sh -c "$*"
else
    "$root/tools/wine-run.sh" "$arch" "$@"
fi
