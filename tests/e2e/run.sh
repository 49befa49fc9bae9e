#!/usr/bin/env bash
# Runs the end-to-end tests against the programs in the given build folder. Expects the
# Wine environment of scripts/wine-env.sh, WINEPREFIX and DISPLAY (scripts/test.sh sets
# them up); started alone it makes its own.
# Usage: tests/e2e/run.sh BUILD_DIR [TEST_NAME_PATTERN]
#        E2E_SHARD=K/N runs the K-th of N shares of the tests (the cases of the bad-input table
#        are shared out one by one), so that N runs in prefixes and displays of their own
#        together run every test once.
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

E2E_SHARD=${E2E_SHARD:-1/1}
shard=${E2E_SHARD%/*}
shards=${E2E_SHARD#*/}
tests=()
index=0
for test in $(declare -F | awk '{print $3}' | grep '^test_' | grep -E -- "$pattern"); do
    if [ "$test" = test_bad_input_suite ]; then
        tests+=("$test")
    elif [ $((index++ % shards + 1)) -eq "$shard" ]; then
        tests+=("$test")
    fi
done

passed=0
failed=()
for test in "${tests[@]}"; do
    before=$E2E_FAILURES
    started=$SECONDS
    echo "  $test"
    status=0
    "$test" || status=$?
    e2e_cleanup
    echo "    ($((SECONDS - started)) s)"
    # A test that stops early has said why; one that says nothing has still failed.
    [ "$status" -eq 0 ] || [ "$E2E_FAILURES" -ne "$before" ] ||
        fail "$test ended early (status $status) without saying why"
    if [ "$E2E_FAILURES" -eq "$before" ]; then
        passed=$((passed + 1))
    else
        failed+=("$test")
    fi
done
rm -rf "$E2E_TMP"
echo "end-to-end: $passed passed, ${#failed[@]} failed ${failed[*]}"
[ ${#failed[@]} -eq 0 ]
