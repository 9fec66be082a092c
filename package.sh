#!/bin/sh
# Makes the release package build/package-win32/mirabo-<version>-win32.zip
# (CPack): the stripped 32-bit mirabo.exe and the Japanese readme.txt that
# the native tree prints from the program's tables. Installs what is
# missing first (Debian 12, as root).
set -eu
cd "$(dirname "$0")"
root=$(pwd)
build=${MIRABO_BUILD_DIR:-$root/build}
jobs=$(nproc 2>/dev/null || echo 2)

./tools/deps.sh
cmake -S . -B "$build/native" -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build "$build/native" -j "$jobs" --target readme >"$build/package-readme.log" 2>&1 ||
    { cat "$build/package-readme.log"; exit 1; }
cmake -S . -B "$build/package-win32" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DMIRABO_WINE_TESTS=OFF \
    -DMIRABO_README_TXT="$build/native/readme.txt" >/dev/null
cmake --build "$build/package-win32" -j "$jobs" --target mirabo >"$build/package-win32.log" 2>&1 ||
    { cat "$build/package-win32.log"; exit 1; }
(cd "$build/package-win32" && cpack -G ZIP >/dev/null)
ls "$build/package-win32"/mirabo-*-win32.zip
