# Sourced by the scripts that run programs under Wine. Pins the environment of every Wine
# call and offers helpers for a throwaway prefix and a virtual display.

export WINEDEBUG=-all
export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree,mshtml="
# A locale Wine maps to the ANSI code page 1252 on every Debian machine.
export LC_ALL=C.UTF-8
unset LANG LANGUAGE

# wine_prefix_fresh DIR: a new prefix in DIR, ready for 32- and 64-bit programs.
wine_prefix_fresh() {
    local dir=$1
    wineserver_stop "$dir"
    rm -rf "$dir"
    mkdir -p "$(dirname "$dir")"
    WINEPREFIX=$dir timeout 180 wineboot -i >/dev/null 2>&1 || echo "wineboot failed" >&2
    WINEPREFIX=$dir timeout 120 wineserver -w || true
}

# wineserver_stop DIR: ends every Wine process of the prefix.
wineserver_stop() {
    if [ -d "$1" ]; then
        WINEPREFIX=$1 timeout 30 wineserver -k >/dev/null 2>&1 || true
    fi
}

# xvfb_start: starts a virtual display on a free number; sets DISPLAY and XVFB_PID.
xvfb_start() {
    local n
    for n in $(seq 90 130); do
        if [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; then
            continue
        fi
        Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
        XVFB_PID=$!
        local i
        for i in $(seq 1 50); do
            [ -e "/tmp/.X11-unix/X$n" ] && { export DISPLAY=":$n"; return 0; }
            kill -0 "$XVFB_PID" 2>/dev/null || break
            sleep 0.1
        done
    done
    echo "no display could be started" >&2
    return 1
}

xvfb_stop() {
    if [ -n "${XVFB_PID:-}" ]; then
        kill "$XVFB_PID" 2>/dev/null || true
    fi
    XVFB_PID=
}
