#!/bin/sh
# Builds everything (the benchmarks too) and runs every test: the native
# core tests (ASan and UBSan), the short fuzzing runs, the Wine suites (core
# again, in-process shell tests, end-to-end tests with the real program) on
# the 32-bit build or, where 32-bit code cannot run, on the 64-bit one, and
# the checks of both executables.
set -eu
cd "$(dirname "$0")"
root=$(pwd)
build=${MIRABO_BUILD_DIR:-$root/build}
jobs=$(nproc 2>/dev/null || echo 2)

./tools/deps.sh
. ./tools/wine-env.sh

# The Wine suites run on the shipped 32-bit build where this kernel runs
# 32-bit code itself; elsewhere on the 64-bit build of the same sources,
# and the 32-bit file gets its smoke test (under qemu when need be).
# MIRABO_WINE_BUILD=win32 or win64 chooses by hand.
tested=${MIRABO_WINE_BUILD:-}
if [ -z "$tested" ]; then
    if wine_native_32bit; then tested=win32; else tested=win64; fi
fi
case $tested in
win32) suites32=ON suites64=OFF what="the shipped 32-bit build" ;;
win64) suites32=OFF suites64=ON what="the 64-bit build (this kernel runs no 32-bit code)" ;;
*) echo "test.sh: MIRABO_WINE_BUILD must be win32 or win64" >&2; exit 2 ;;
esac
[ -n "${MIRABO_WINE_BUILD:-}" ] && [ $tested = win64 ] && what="the 64-bit build (chosen by MIRABO_WINE_BUILD)"

cmake -S . -B "$build/win64" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-x86_64.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DMIRABO_WINE_TESTS=$suites64 >/dev/null
cmake -S . -B "$build/win32" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DMIRABO_WINE_TESTS=$suites32 \
    -DMIRABO_README_TXT="$build/native/readme.txt" >/dev/null
CC=clang CXX=clang++ cmake -S . -B "$build/fuzz" -DMIRABO_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake -S . -B "$build/bench" -DMIRABO_BENCH=ON -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake -S . -B "$build/native" -DCMAKE_BUILD_TYPE=Debug \
    "-DMIRABO_EXTRA_TEST_DIRS=$build/fuzz;$build/win64;$build/win32" >/dev/null

for tree in native fuzz bench win64 win32; do
    cmake --build "$build/$tree" -j "$jobs" >"$build/$tree.log" 2>&1 || {
        cat "$build/$tree.log"
        echo "test.sh: building the $tree tree failed" >&2
        exit 1
    }
done

# The release package, which win32.package unpacks and runs.
(cd "$build/win32" && cpack -G ZIP >"$build/package.log" 2>&1) || {
    cat "$build/package.log"
    echo "test.sh: making the package failed" >&2
    exit 1
}

WINE_ENV_KEEPER="$build/win64/keeper.exe"
trap wine_env_stop EXIT INT TERM
wine_env_start "$build/wine-run" "${MIRABO_DISPLAY:-}"

echo "test.sh: the Wine suites run on $what: $build/$tested/mirabo.exe"
status=0
ctest --test-dir "$build/native" --output-on-failure -j "$jobs" ${MIRABO_CTEST_ARGS:-} || status=$?
echo "test.sh: Wine suites ($tested.core, $tested.inproc, $tested.e2e, $tested.monitors) ran on $what"
exit $status
