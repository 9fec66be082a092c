#!/bin/sh
# Runs one fuzz target for a bounded time on a scratch copy of its seed
# corpus, so the repository is never written:
#   run-fuzz.sh TARGET SEED_CORPUS ARTIFACT_DIR SECONDS [libFuzzer options]
# An input that breaks a property or crashes is kept in ARTIFACT_DIR.
set -eu
exe=$1
seeds=$2
artifacts=$3
seconds=$4
shift 4
work=$(mktemp -d "${TMPDIR:-/tmp}/mirabo-fuzz.XXXXXX")
trap 'rm -rf "$work"' EXIT INT TERM
mkdir -p "$work/corpus" "$artifacts"
cp "$seeds"/* "$work/corpus/"
name=$(basename "$exe")
"$exe" -max_total_time="$seconds" -print_final_stats=1 -timeout=10 \
    -artifact_prefix="$artifacts/$name-" "$@" "$work/corpus"
