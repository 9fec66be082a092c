#!/bin/sh
# Runs one command inside a fresh Wine environment (own Xvfb, prefix,
# wineserver and keeper window), e.g.
#   tools/with-wine.sh ctest --test-dir build/native -R win32.inproc --output-on-failure
# Needs build/win64 built (for the keeper window).
set -u
root=$(cd "$(dirname "$0")/.." && pwd)
build=${MIRABO_BUILD_DIR:-$root/build}
. "$root/tools/wine-env.sh"
WINE_ENV_KEEPER="$build/win64/keeper.exe"
trap wine_env_stop EXIT INT TERM
wine_env_start "$build/wine-adhoc" "${MIRABO_DISPLAY:-}"
"$@"
