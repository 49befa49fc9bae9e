#!/usr/bin/env bash
# Measures the settings window with many macros under Wine, its start against a bare dialog
# and its load and save against Wine's regedit on the same key, and prints the figures and
# their ratios. Not a test: nothing is asserted.
# Usage: scripts/bench.sh [COUNT...]   (default: 1000 10000)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
. "$root/scripts/wine-env.sh"
# Emulated timings would measure the emulator, not the program: where 32-bit programs run only
# through qemu-i386, the native 64-bit build alone is measured.
archs=$TSETUP_WINE_ARCHS
if [ "$TSETUP_I386_EMULATED" = 1 ]; then
    archs=x86_64
    echo "bench: 32-bit programs are emulated on this machine (qemu-i386); measuring the 64-bit build only"
fi
# shellcheck disable=SC2086
"$root/scripts/build.sh" $archs
export WINEPREFIX="$root/build/wine-prefix-bench"
wine_prefix_fresh "$WINEPREFIX"
xvfb_start
# The prefix's wine server, started here and kept running: bench.exe reads its processor time
# around the registry's read.
wineserver -f -p &
export TSETUP_BENCH_SERVER=$!
trap 'wineserver_stop "$WINEPREFIX"; xvfb_stop' EXIT
echo "baseline:     a bare dialog with a tab control and a list view (baseline.exe), started the same way"
echo "empty/base:   the start over an empty store, per start of the baseline"
echo "extra:        the start over a full store beyond the start over an empty one"
echo "remainder:    the extra start beyond LoadSettings"
echo "(full-base)/read: the start over a full store beyond the baseline, per registry read of the macros"
echo "base full:    the same dialog over the full store, reading the macro key with the program's"
echo "              own registry code while the dialog is built (baseline-read.exe)"
echo "(basefull-base)/read: the least the start over a full store can be beyond the baseline, per read"
echo "full-basefull: the start over a full store beyond the reading baseline's: the program's own"
echo "read busy:    processors kept busy during that read by the program's side of it and by the"
echo "              wine server (processor time per second of the read), of the machine's"
echo "extra/export: extra time to open the window over a full store, per regedit export of the macros"
echo "save/import:  SaveSettings, per regedit import of the macros"
# Each build against the registry editor of its own bitness.
for arch in $archs; do
    (cd "$root/build/$arch" && timeout 3600 ${BENCH_PIN:+taskset -c 0} wine bench.exe "$@")
done
