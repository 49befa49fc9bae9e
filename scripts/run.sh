#!/usr/bin/env bash
# Builds TSetup and starts it under Wine on your display, with the stand-in driver beside
# it. Uses your Wine prefix (~/.wine) unless WINEPREFIX is set. Arguments go to TSetup,
# e.g. scripts/run.sh /I
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
. "$root/scripts/wine-env.sh"
# The 32-bit program we ship (through qemu-i386 where the kernel runs no 32-bit programs), or
# the 64-bit one where nothing can run them.
"$root/scripts/build.sh" "$TSETUP_RUN_ARCH"
if [ "$TSETUP_I386_EMULATED" = 1 ]; then
    echo "run: 32-bit programs are emulated here (qemu-i386); the first window may take a minute" >&2
fi
if [ -z "${DISPLAY:-}" ]; then
    echo "run: no display (DISPLAY is empty); starting a virtual one" >&2
    xvfb_start
fi
cd "$root/build/$TSETUP_RUN_ARCH"
# The stand-in driver answers TSetup's messages and logs them to Tastor32.log beside it.
if ! timeout 30 wine wintool.exe find Tastor32 >/dev/null 2>&1; then
    wine Tastor32.exe >/dev/null 2>&1 &
fi
exec wine TSetup.exe "$@"
