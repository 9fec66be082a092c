# Sourced by run.sh and test.sh: one Xvfb, one Wine prefix and one
# wineserver for a whole run, and a small keeper window that lives as long
# as they do.
#   wine_env_start <state-folder> [display]   exports DISPLAY and WINEPREFIX
#   wine_env_stop

WINE64=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver

wine_env_start() {
    WINE_ENV_DIR=$1
    mkdir -p "$WINE_ENV_DIR"
    export WINEDEBUG=-all LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
    WINE_ENV_XVFB_PID=
    if [ -z "${2:-}" ]; then
        # Xvfb picks a free display itself and reports it on the fd.
        rm -f "$WINE_ENV_DIR/display"
        Xvfb -displayfd 7 -screen 0 1280x1024x24 -nolisten tcp -ac \
            7>"$WINE_ENV_DIR/display" </dev/null >/dev/null 2>&1 &
        WINE_ENV_XVFB_PID=$!
        i=0
        while [ ! -s "$WINE_ENV_DIR/display" ] && [ $i -lt 100 ]; do sleep 0.1; i=$((i + 1)); done
        export DISPLAY=":$(cat "$WINE_ENV_DIR/display")"
    else
        export DISPLAY=$2
    fi
    export WINEPREFIX="$WINE_ENV_DIR/prefix"
    rm -rf "$WINEPREFIX"
    # The server is started without pipes attached, or it holds a captured
    # stdout open after the run.
    "$WINESERVER" -f -p </dev/null >/dev/null 2>&1 &
    WINE_ENV_SERVER_PID=$!
    "$WINE64" wineboot -i </dev/null >/dev/null 2>&1 || true
    wine_env_fonts "$WINE64"
    if [ -n "${WINE_ENV_KEEPER:-}" ] && [ -f "$WINE_ENV_KEEPER" ]; then
        "$WINE64" "$WINE_ENV_KEEPER" </dev/null >/dev/null 2>&1 &
        WINE_ENV_KEEPER_PID=$!
        sleep 1
    fi
}

# Wine has no "MS UI Gothic", the font of the option pages; the
# proportional IPA Gothic comes closest to its widths (the fixed-width one
# Wine falls back to otherwise is wider and clips the pages' labels).
#   wine_env_fonts <wine program>
wine_env_fonts() {
    "$1" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'MS UI Gothic' /d IPAPGothic /f \
        </dev/null >/dev/null 2>&1 || true
}

wine_env_stop() {
    [ -n "${WINEPREFIX:-}" ] && "$WINESERVER" -k </dev/null >/dev/null 2>&1 || true
    [ -n "${WINE_ENV_SERVER_PID:-}" ] && kill "$WINE_ENV_SERVER_PID" 2>/dev/null || true
    [ -n "${WINE_ENV_XVFB_PID:-}" ] && kill "$WINE_ENV_XVFB_PID" 2>/dev/null || true
    wait 2>/dev/null || true
}

# True when this kernel runs 32-bit x86 code itself (not through an
# emulator registered with binfmt_misc): then the 32-bit program runs at
# full speed.
wine_native_32bit() {
    for f in /proc/sys/fs/binfmt_misc/*; do
        case "$f" in */register | */status) continue ;; esac
        [ -f "$f" ] && grep -q '^enabled' "$f" && grep -q 'qemu-i386' "$f" && return 1
    done
    /usr/lib/wine/wine --version >/dev/null 2>&1
}
