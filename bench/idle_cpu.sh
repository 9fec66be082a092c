#!/bin/sh
# Idle cost of the running program against the idle floor (idle_timer.exe:
# the 10 ms timer, one pointer read per tick, one read of the source area
# every 100 ms), both running side by side with the pointer and the screen
# still (TimerInterval 100, MouseMoveRedraw 1): CPU time of each process
# from 5 s to 5 + IDLE_SECONDS s, then the resident set of each after one
# minute. Run inside a Wine environment:
#   tools/with-wine.sh bench/idle_cpu.sh [build-tree]
# Prints "idle <program> <percent of one core> <ticks> <seconds>" and
# "memory <program> <kB>" lines.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
tree=${1:-$root/build/win64}
seconds=${IDLE_SECONDS:-50}
case "$(file -b "$tree/mirabo.exe")" in
*x86-64*) wine=/usr/lib/wine/wine64 ;;
*) wine=${MIRABO_WINE32:-/usr/lib/wine/wine} ;;
esac
dir=$(mktemp -d /tmp/mirabo-idle.XXXXXX)
cp "$tree/mirabo.exe" "$dir/mirabo.exe"
printf '[System]\r\nTimerInterval=100\r\nMouseMoveRedraw=1\r\n\r\n' >"$dir/system.ini"
xdotool mousemove 640 512

tck=$(getconf CLK_TCK)
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
rss_kb() { awk '/VmRSS/ {print $2}' "/proc/$1/status"; }

"$wine" "$dir/mirabo.exe" </dev/null >/dev/null 2>&1 &
mirabo=$!
"$wine" "$tree/idle_timer.exe" </dev/null >/dev/null 2>&1 &
floor=$!
trap 'kill $mirabo $floor 2>/dev/null || true; rm -rf "$dir"' EXIT INT TERM

sleep 5
a1=$(cpu_ticks $mirabo)
b1=$(cpu_ticks $floor)
sleep "$seconds"
a2=$(cpu_ticks $mirabo)
b2=$(cpu_ticks $floor)
for p in "mirabo $a1 $a2" "floor $b1 $b2"; do
    set -- $p
    echo "idle $1 $(echo "scale=2; 100 * ($3 - $2) / ($seconds * $tck)" | bc) $(($3 - $2)) $seconds"
done
left=$((60 - 5 - seconds))
[ $left -gt 0 ] && sleep $left
echo "memory mirabo $(rss_kb $mirabo)"
echo "memory floor $(rss_kb $floor)"
