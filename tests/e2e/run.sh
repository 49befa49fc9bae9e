#!/usr/bin/env bash
# Runs the end-to-end tests against the programs in the given build folder. Expects the
# Wine environment of scripts/wine-env.sh, WINEPREFIX and DISPLAY (scripts/test.sh sets
# them up); started alone it makes its own.
# Usage: tests/e2e/run.sh BUILD_DIR [TEST_NAME_PATTERN]
set -u
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
. "$root/scripts/wine-env.sh"
E2E_BIN=$(cd "${1:-$root/build/$TSETUP_RUN_ARCH}" && pwd)
pattern=${2:-.}
. "$here/lib.sh"

if [ -z "${WINEPREFIX:-}" ]; then
    export WINEPREFIX="$root/build/wine-prefix-e2e"
    wine_prefix_fresh "$WINEPREFIX"
    trap 'wineserver_stop "$WINEPREFIX"; xvfb_stop' EXIT
fi
[ -n "${DISPLAY:-}" ] || xvfb_start || exit 1
E2E_TMP=$(mktemp -d)

for file in "$here"/*_test.sh; do
    . "$file"
done

passed=0
failed=()
for test in $(declare -F | awk '{print $3}' | grep '^test_' | grep -E -- "$pattern"); do
    before=$E2E_FAILURES
    started=$SECONDS
    echo "  $test"
    "$test"
    e2e_cleanup
    echo "    ($((SECONDS - started)) s)"
    if [ "$E2E_FAILURES" -eq "$before" ]; then
        passed=$((passed + 1))
    else
        failed+=("$test")
    fi
done
rm -rf "$E2E_TMP"
echo "end-to-end: $passed passed, ${#failed[@]} failed ${failed[*]}"
[ ${#failed[@]} -eq 0 ]
