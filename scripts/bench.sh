#!/usr/bin/env bash
# Measures the settings window with many macros under Wine, against Wine's regedit on the
# same key, and prints the figures and their ratios. Not a test: nothing is asserted.
# Usage: scripts/bench.sh [COUNT...]   (default: 1000 10000)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh" i686 x86_64
. "$root/scripts/wine-env.sh"
export WINEPREFIX="$root/build/wine-prefix-bench"
wine_prefix_fresh "$WINEPREFIX"
xvfb_start
trap 'wineserver_stop "$WINEPREFIX"; xvfb_stop' EXIT
echo "extra/export: extra time to open the window over an empty store, per regedit export of the macros"
echo "save/import:  SaveSettings, per regedit import of the macros"
# Each build against the registry editor of its own bitness (the 64-bit one alone where this
# machine runs no 32-bit programs).
for arch in $TSETUP_WINE_ARCHS; do
    (cd "$root/build/$arch" && timeout 3600 ${BENCH_PIN:+taskset -c 0} wine bench.exe "$@")
done
