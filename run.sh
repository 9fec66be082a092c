#!/bin/sh
# Builds Mirabo and runs it under Wine. With a display ($DISPLAY) the
# program runs there until you close it (Esc, or 終了 in its right-click
# menu). Without one it runs for a few seconds on a virtual screen showing
# a test picture, saves a screenshot and prints the PNG's path.
set -eu
cd "$(dirname "$0")"
root=$(pwd)
build=${MIRABO_BUILD_DIR:-$root/build}
jobs=$(nproc 2>/dev/null || echo 2)

./tools/deps.sh
for arch in win32 win64; do
    toolchain=$([ $arch = win32 ] && echo mingw-i686 || echo mingw-x86_64)
    cmake -S . -B "$build/$arch" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/$toolchain.cmake" \
        -DCMAKE_BUILD_TYPE=Release >/dev/null
    targets="mirabo"
    [ $arch = win64 ] && targets="mirabo keeper"
    cmake --build "$build/$arch" -j "$jobs" --target $targets >"$build/$arch.log" 2>&1 ||
        { cat "$build/$arch.log"; exit 1; }
done

# The shipped program is the 32-bit one. Where this kernel cannot run 32-bit
# code (some virtual machines), the 64-bit build of the same sources runs.
. ./tools/wine-env.sh
if wine_native_32bit; then
    wine=/usr/lib/wine/wine
    exe="$build/win32/mirabo.exe"
else
    wine=/usr/lib/wine/wine64
    exe="$build/win64/mirabo.exe"
fi
export WINEDEBUG=-all LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    export WINEPREFIX="${WINEPREFIX:-$build/wine-app}"
    echo "run.sh: running $exe on $DISPLAY" >&2
    wine_env_fonts "$wine"
    exec "$wine" "$exe" </dev/null
fi

WINE_ENV_KEEPER="$build/win64/keeper.exe"
trap wine_env_stop EXIT INT TERM
wine_env_start "$build/wine-shot"
# Something to magnify: a colourful test picture as the desktop, and the
# pointer over the rose in it.
"$root/tools/desktop-picture.sh" "$build/wine-shot/desktop.png"
display -window root "$build/wine-shot/desktop.png" </dev/null >/dev/null 2>&1 &
xdotool mousemove 700 520
"$wine" "$exe" </dev/null >/dev/null 2>&1 &
sleep "${MIRABO_SHOT_DELAY:-5}"
shot="$build/screenshot.png"
xwd -root -silent | convert xwd:- "$shot"
echo "$shot"
