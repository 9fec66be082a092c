#!/bin/sh
# Idle cost of the running program: CPU time of the mirabo.exe process over
# 10 s with the pointer still (TimerInterval 100, MouseMoveRedraw 1), then
# its resident memory after one minute. Run inside a Wine environment:
#   tools/with-wine.sh bench/idle_cpu.sh [path/to/mirabo.exe]
# For comparison it also measures a bare program with the same 10 ms timer.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
exe=${1:-$root/build/win64/mirabo.exe}
seconds=${IDLE_SECONDS:-10}
dir=$(mktemp -d /tmp/mirabo-idle.XXXXXX)
cp "$exe" "$dir/mirabo.exe"
printf '[System]\r\nTimerInterval=100\r\nMouseMoveRedraw=1\r\n\r\n' >"$dir/system.ini"
xdotool mousemove 640 512

tck=$(getconf CLK_TCK)
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }

# Prints the CPU share of process $2 over $seconds, after 5 s to settle.
measure_idle() {
    sleep 5
    a=$(cpu_ticks "$2")
    sleep "$seconds"
    b=$(cpu_ticks "$2")
    echo "$1: $((b - a)) CPU ticks in ${seconds} s at $tck ticks/s:" \
        "$(echo "scale=2; 100 * ($b - $a) / ($seconds * $tck)" | bc) % of one core"
}

/usr/lib/wine/wine64 "$dir/mirabo.exe" </dev/null >/dev/null 2>&1 &
pid=$!
measure_idle mirabo.exe $pid
sleep $((60 - 5 - seconds))
echo "mirabo.exe: resident set after one minute: $(awk '/VmRSS/ {print $2, $3}' /proc/$pid/status)"
kill $pid
wait $pid 2>/dev/null || true

if [ -f "$root/build/win64/idle_timer.exe" ]; then
    /usr/lib/wine/wine64 "$root/build/win64/idle_timer.exe" </dev/null >/dev/null 2>&1 &
    pid=$!
    measure_idle "bare 10 ms timer" $pid
    kill $pid
    wait $pid 2>/dev/null || true
fi
rm -rf "$dir"
