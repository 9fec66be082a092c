#!/bin/sh
# The shipped 32-bit program, run for real: its core tests pass, it starts,
# shows its window at the default place, ends on Esc with exit code 0 and
# writes system.ini.
#
# Where this kernel cannot run 32-bit code itself, the 32-bit Wine runs under
# qemu's user-mode emulator (registered with binfmt_misc for the length of
# this test). That is slow (about a minute per Wine process), so there the
# Wine suites run on the 64-bit build and this is the only run of the 32-bit
# one. Without either, the test is skipped (exit code 77).
set -u
exe=$1 core_tests=$2
wine32=/usr/lib/wine/wine binfmt=/proc/sys/fs/binfmt_misc
entry=$binfmt/mirabo-qemu-i386 enabled_here= work= fail=0
cleanup() {
    [ -n "${WINEPREFIX:-}" ] && /usr/lib/wine/wineserver -k </dev/null >/dev/null 2>&1
    [ -n "$enabled_here" ] && echo -1 >"$entry" 2>/dev/null
    [ -n "$work" ] && rm -rf "$work"
}
trap cleanup EXIT
skip() { echo "smoke32: $*: skipped"; exit 77; }
bad() { echo "FAIL: $*"; fail=1; }
# Runs the command every second until it succeeds, at most $1 times.
retry() {
    n=$1
    shift
    until "$@"; do [ $((n -= 1)) -gt 0 ] || return 1; sleep 1; done
}

if ! "$wine32" --version >/dev/null 2>&1; then
    qemu=/usr/bin/qemu-i386-static
    [ -x "$qemu" ] || skip "no 32-bit support and no $qemu"
    [ -e "$binfmt/register" ] || mount -t binfmt_misc binfmt_misc "$binfmt" 2>/dev/null
    [ -e "$binfmt/register" ] || skip "cannot use binfmt_misc"
    [ -e "$entry" ] && echo -1 >"$entry" 2>/dev/null
    magic='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
    mask='\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'
    printf ':mirabo-qemu-i386:M::%s:%s:%s:F\n' "$magic" "$mask" "$qemu" >"$binfmt/register" 2>/dev/null ||
        skip "cannot register the emulator"
    enabled_here=1
    "$wine32" --version >/dev/null 2>&1 || skip "32-bit Wine does not run"
    echo "smoke32: running 32-bit Wine under qemu (slow)"
fi

work=$(mktemp -d)
export WINEPREFIX="$work/prefix" WINEDEBUG=-all LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
start=$(date +%s)
"$wine32" wineboot -i </dev/null >/dev/null 2>&1
echo "smoke32: prefix ready after $(($(date +%s) - start)) s"
if "$wine32" "$core_tests" --gtest_brief=1 </dev/null >"$work/core.log" 2>&1; then
    tail -1 "$work/core.log"
else
    bad "32-bit core tests" && cat "$work/core.log"
fi

# SMOKE_IN_PLACE=1 runs the program in its own folder (an unpacked
# package); otherwise a copy runs in a folder of its own.
app=$(cd "$(dirname "$exe")" && pwd)
[ "${SMOKE_IN_PLACE:-}" = 1 ] || { app="$work/app" && mkdir "$app" && cp "$exe" "$app/mirabo.exe"; }
(cd "$app" && "$wine32" "$(basename "$exe")" </dev/null >/dev/null 2>&1; echo $? >"$work/exit") &
shown() { win=$(xdotool search --onlyvisible --name '^Mirabo$' 2>/dev/null | head -1) && [ -n "$win" ]; }
retry 600 shown || { echo "FAIL: the 32-bit program showed no window"; exit 1; }
geometry=$(xdotool getwindowgeometry "$win" | tr '\n' ' ')
echo "smoke32: window after $(($(date +%s) - start)) s: $geometry"
case $geometry in *"Position: 100,100 "*"Geometry: 300x260"*) ;; *) bad "window not at 100,100, 300x260" ;; esac

sleep 5
xdotool mousemove --window "$win" 150 100 click 1
sleep 2
xdotool key Escape
retry 300 test -s "$work/exit"
code=$(cat "$work/exit" 2>/dev/null)
[ "$code" = 0 ] || bad "exit code '${code}' after Esc"
printf '[System]\r\nL' | cmp -s -n 11 - "$app/system.ini" && echo "smoke32: system.ini written" || bad "no system.ini written"
[ $fail = 0 ] && echo "smoke32: ok after $(($(date +%s) - start)) s"
exit $fail
