#!/bin/sh
# The shipped 32-bit program, run for real: its core tests pass, it starts,
# shows its window at the default place, ends on Esc with exit code 0 and
# writes system.ini.
#
# Where this kernel cannot run 32-bit code itself, the 32-bit Wine runs under
# qemu's user-mode emulator (registered with binfmt_misc for the length of
# this test). That is slow (about a minute per Wine process), so there the
# Wine suites run on the 64-bit build and this is the only run of the 32-bit
# one. Without either, the test is skipped.
set -u
exe=$1
core_tests=$2
skip=77

wine32=/usr/lib/wine/wine
binfmt=/proc/sys/fs/binfmt_misc
entry=$binfmt/mirabo-qemu-i386
enabled_here=

cleanup() {
    [ -n "${WINEPREFIX:-}" ] && /usr/lib/wine/wineserver -k </dev/null >/dev/null 2>&1
    [ -n "$enabled_here" ] && echo -1 >"$entry" 2>/dev/null
    [ -n "${work:-}" ] && rm -rf "$work"
}
trap cleanup EXIT

if ! "$wine32" --version >/dev/null 2>&1; then
    qemu=/usr/bin/qemu-i386-static
    [ -x "$qemu" ] || { echo "smoke32: no 32-bit support and no $qemu: skipped"; exit $skip; }
    [ -e "$binfmt/register" ] || mount -t binfmt_misc binfmt_misc "$binfmt" 2>/dev/null
    [ -e "$binfmt/register" ] || { echo "smoke32: cannot use binfmt_misc: skipped"; exit $skip; }
    [ -e "$entry" ] && echo -1 >"$entry" 2>/dev/null
    magic='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
    mask='\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'
    printf ':mirabo-qemu-i386:M::%s:%s:%s:F\n' "$magic" "$mask" "$qemu" >"$binfmt/register" 2>/dev/null ||
        { echo "smoke32: cannot register the emulator: skipped"; exit $skip; }
    enabled_here=1
    "$wine32" --version >/dev/null 2>&1 || { echo "smoke32: 32-bit Wine does not run: skipped"; exit $skip; }
    echo "smoke32: running 32-bit Wine under qemu (slow)"
fi

work=$(mktemp -d)
export WINEPREFIX="$work/prefix" WINEDEBUG=-all LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
fail=0

start=$(date +%s)
"$wine32" wineboot -i </dev/null >/dev/null 2>&1
echo "smoke32: prefix ready after $(($(date +%s) - start)) s"

if ! "$wine32" "$core_tests" --gtest_brief=1 </dev/null >"$work/core.log" 2>&1; then
    echo "FAIL: 32-bit core tests"
    cat "$work/core.log"
    fail=1
else
    tail -1 "$work/core.log"
fi

# SMOKE_IN_PLACE=1 runs the program in its own folder (an unpacked
# package); otherwise a copy runs in a folder of its own.
if [ "${SMOKE_IN_PLACE:-}" = 1 ]; then
    app=$(cd "$(dirname "$exe")" && pwd)
else
    app="$work/app"
    mkdir "$app"
    cp "$exe" "$app/mirabo.exe"
fi
(cd "$app" && "$wine32" "$(basename "$exe")" </dev/null >/dev/null 2>&1; echo $? >"$work/exit") &
win=
i=0
while [ -z "$win" ] && [ $i -lt 600 ]; do
    win=$(xdotool search --onlyvisible --name '^Mirabo$' 2>/dev/null | head -1)
    sleep 1
    i=$((i + 1))
done
if [ -z "$win" ]; then
    echo "FAIL: the 32-bit program showed no window"
    exit 1
fi
geometry=$(xdotool getwindowgeometry "$win" | tr '\n' ' ')
echo "smoke32: window after $(($(date +%s) - start)) s: $geometry"
echo "$geometry" | grep -q "Position: 100,100" || { echo "FAIL: window not at 100,100"; fail=1; }
echo "$geometry" | grep -q "Geometry: 300x260" || { echo "FAIL: window not 300x260"; fail=1; }

sleep 5
xdotool mousemove --window "$win" 150 100 click 1
sleep 2
xdotool key Escape
i=0
while [ ! -s "$work/exit" ] && [ $i -lt 300 ]; do sleep 1; i=$((i + 1)); done
code=$(cat "$work/exit" 2>/dev/null)
[ "$code" = 0 ] || { echo "FAIL: exit code '${code}' after Esc"; fail=1; }
if head -c 20 "$app/system.ini" 2>/dev/null | od -c | grep -q '\[   S   y   s   t   e   m   ]  \\r  \\n   L'; then
    echo "smoke32: system.ini written"
else
    echo "FAIL: no system.ini written"
    fail=1
fi
[ $fail = 0 ] && echo "smoke32: ok after $(($(date +%s) - start)) s"
exit $fail
