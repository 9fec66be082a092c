#!/bin/sh
# Longer fuzzing runs than the test suite's 15 seconds per target:
#   tools/fuzz-long.sh [SECONDS] [TARGET...]
# SECONDS defaults to 300 per target; TARGET is one or more of
# settings_reader copykey_value color_text expand_template (default: all).
# Builds build/fuzz when needed. Each target keeps a growing corpus in
# build/fuzz/corpus-long/TARGET, seeded from fuzz/corpus/TARGET; inputs that
# break a property land in build/fuzz/fuzz-artifacts. The repository is never
# written.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${MIRABO_BUILD_DIR:-$root/build}/fuzz
seconds=${1:-300}
[ $# -gt 0 ] && shift
targets=${*:-settings_reader copykey_value color_text expand_template}

if [ ! -f "$build/CMakeCache.txt" ]; then
    CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DMIRABO_FUZZ=ON \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
for t in $targets; do
    cmake --build "$build" -j 2 --target "fuzz_$t" >/dev/null
done

status=0
for t in $targets; do
    corpus="$build/corpus-long/$t"
    mkdir -p "$corpus" "$build/fuzz-artifacts"
    cp -n "$root/fuzz/corpus/$t"/* "$corpus/" 2>/dev/null || true
    echo "== $t: $seconds s"
    if "$build/fuzz_$t" -max_total_time="$seconds" -print_final_stats=1 -timeout=10 \
        -artifact_prefix="$build/fuzz-artifacts/fuzz_$t-" "$corpus" >"$build/fuzz-long-$t.log" 2>&1; then
        grep -E '^stat::(number_of_executed_units|average_exec_per_sec)|^Done' "$build/fuzz-long-$t.log"
    else
        status=1
        tail -n 40 "$build/fuzz-long-$t.log"
        echo "fuzz-long: $t failed; the input is in $build/fuzz-artifacts" >&2
    fi
done
exit $status
