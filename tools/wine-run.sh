#!/bin/sh
# Runs a cross-built Windows program under Wine: first argument win32 or
# win64, then the program and its arguments. The test script sets
# WINEPREFIX and DISPLAY; stdin comes from /dev/null because a Wine process
# that touches the terminal from a background process group stops.
arch=$1
shift
: "${WINEDEBUG:=-all}"
# Mirabo is made for code page 932: Wine takes it from the locale.
LANG=ja_JP.UTF-8
LC_ALL=ja_JP.UTF-8
export WINEDEBUG LANG LC_ALL
case "$arch" in
win64) exec /usr/lib/wine/wine64 "$@" </dev/null ;;
*) exec "${MIRABO_WINE32:-/usr/lib/wine/wine}" "$@" </dev/null ;;
esac
