#!/bin/sh
# Builds everything and runs every test: the native core tests (ASan and
# UBSan), the short fuzzing runs, the Windows trees' tests under Wine
# (core again, in-process shell tests, end-to-end tests with the real
# program) and the checks of the shipped 32-bit executable.
set -eu
cd "$(dirname "$0")"
root=$(pwd)
build=${MIRABO_BUILD_DIR:-$root/build}
jobs=$(nproc 2>/dev/null || echo 2)

./tools/deps.sh

cmake -S . -B "$build/win64" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-x86_64.cmake" \
    -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake -S . -B "$build/win32" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DMIRABO_WINE_TESTS=OFF >/dev/null
CC=clang CXX=clang++ cmake -S . -B "$build/fuzz" -DMIRABO_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake -S . -B "$build/native" -DCMAKE_BUILD_TYPE=Debug \
    "-DMIRABO_EXTRA_TEST_DIRS=$build/fuzz;$build/win64;$build/win32" >/dev/null

for tree in native fuzz win64 win32; do
    cmake --build "$build/$tree" -j "$jobs" >"$build/$tree.log" 2>&1 || {
        cat "$build/$tree.log"
        echo "test.sh: building the $tree tree failed" >&2
        exit 1
    }
done

. ./tools/wine-env.sh
WINE_ENV_KEEPER="$build/win64/keeper.exe"
trap wine_env_stop EXIT INT TERM
wine_env_start "$build/wine-run" "${MIRABO_DISPLAY:-}"

ctest --test-dir "$build/native" --output-on-failure -j "$jobs" ${MIRABO_CTEST_ARGS:-}
