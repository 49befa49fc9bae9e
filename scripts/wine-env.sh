# Sourced by the scripts that run programs under Wine. Pins the environment of every Wine
# call and offers helpers for a throwaway prefix and a virtual display.

export WINEDEBUG=-all
export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree,mshtml="
# A locale Wine maps to the ANSI code page 1252 on every Debian machine.
export LC_ALL=C.UTF-8
unset LANG LANGUAGE

# Wine's 32-bit loader is a 32-bit Linux program; a kernel without 32-bit support (seen on
# virtual machines booted without ia32 emulation) cannot start it, and with it no 32-bit
# Windows program. There it runs through qemu-i386 (installed by scripts/setup.sh), registered
# for the calling script alone: the script is started again inside a namespace of its own
# (scripts/with-i386.sh), where TSETUP_I386_EMULATED=1 says that 32-bit programs are emulated.
# Only where that cannot work either is the 64-bit loader used alone, through a small stand-in
# for the "wine" command early on PATH; TSETUP_WINE_ARCHS names the builds that can run.
wine_runs_32bit() {
    [ -x /usr/lib/wine/wine ] && /usr/lib/wine/wine --version >/dev/null 2>&1
}
tsetup_scripts=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
if ! wine_runs_32bit && [ "${TSETUP_I386_EMULATED:-}" != 1 ] &&
    "$tsetup_scripts/with-i386.sh" /usr/lib/wine/wine --version >/dev/null 2>&1; then
    export TSETUP_I386_EMULATED=1
    exec "$tsetup_scripts/with-i386.sh" "$0" "$@"
fi
if wine_runs_32bit; then
    TSETUP_WINE_ARCHS="i686 x86_64"
    if [ "${TSETUP_I386_EMULATED:-}" != 1 ] && grep -q '^interpreter .*qemu-i386' /proc/sys/fs/binfmt_misc/tsetup-i386 2>/dev/null; then
        TSETUP_I386_EMULATED=1 # registered for the whole machine by scripts/setup.sh
    fi
else
    TSETUP_WINE_ARCHS="x86_64"
    if [ -x /usr/lib/wine/wine64 ]; then
        export WINELOADER=/usr/lib/wine/wine64
        TSETUP_WINE_SHIM=${TMPDIR:-/tmp}/tsetup-wine64-$(id -u)
        mkdir -p "$TSETUP_WINE_SHIM"
        for name in wine wine-stable; do
            printf '#!/bin/sh\nexport WINELOADER=/usr/lib/wine/wine64\nexec /usr/lib/wine/wine64 "$@"\n' \
                >"$TSETUP_WINE_SHIM/$name"
            chmod +x "$TSETUP_WINE_SHIM/$name"
        done
        case ":$PATH:" in *":$TSETUP_WINE_SHIM:"*) ;; *) export PATH="$TSETUP_WINE_SHIM:$PATH" ;; esac
    fi
fi
export TSETUP_I386_EMULATED=${TSETUP_I386_EMULATED:-0}
# The build the programs are run from: the shipping 32-bit one where it can run.
TSETUP_RUN_ARCH=${TSETUP_WINE_ARCHS%% *}
export TSETUP_WINE_ARCHS TSETUP_RUN_ARCH

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
        local i owner
        for i in $(seq 1 100); do
            # Runs started together may pick the same number: the display is ours only when
            # its lock names our server (the other one ends, and the socket is the winner's).
            owner=$(tr -d ' \n' 2>/dev/null <"/tmp/.X$n-lock") || owner=
            if [ -e "/tmp/.X11-unix/X$n" ] && [ "$owner" == "$XVFB_PID" ]; then
                export DISPLAY=":$n"
                return 0
            fi
            kill -0 "$XVFB_PID" 2>/dev/null || break
            sleep 0.1
        done
        kill "$XVFB_PID" 2>/dev/null
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

# wine_warm_up BUILD_DIR: starts a small program of the build once, so that the first test
# does not pay for the prefix's first start of that bitness (a minute under emulation).
wine_warm_up() {
    (cd "$1" && timeout 300 wine wintool.exe find "no such window" >/dev/null 2>&1) || true
}
