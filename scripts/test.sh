#!/usr/bin/env bash
# Builds everything and runs every test suite: the native unit tests (sanitizers on), the
# fuzz targets, the imports of the Windows programs, a second build of TSetup.exe that must
# give the same bytes, the Win32 tests of both builds under Wine, and the end-to-end tests of
# the shipping 32-bit program. Prints the time of each suite.
# Usage: scripts/test.sh [SUITE...]
#        suites: native fuzz imports reproducible win32 e2e (default: all)
#        E2E_PATTERN=REGEX picks end-to-end tests by name; E2E_SHARDS=N runs them in N parts
#        at once (default 2).
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
all_suites=(native fuzz imports reproducible win32 e2e)
suites=("$@")
[ ${#suites[@]} -gt 0 ] || suites=("${all_suites[@]}")
for s in "${suites[@]}"; do
    case " ${all_suites[*]} " in *" $s "*) ;; *) echo "unknown suite $s (suites: ${all_suites[*]})" >&2; exit 2 ;; esac
done
wanted() { case " ${suites[*]} " in *" $1 "*) return 0 ;; esac; return 1; }

"$root/scripts/setup.sh" || exit 1
# Where 32-bit programs run only through qemu, this starts the script again inside a
# namespace of its own in which they do (see scripts/with-i386.sh).
. "$root/scripts/wine-env.sh"
"$root/scripts/build.sh" || exit 1

failed=()
timings=()
started_all=$SECONDS
# suite NAME COMMAND...: runs one suite, notes its time and whether it failed.
suite() {
    local name=$1 start=$SECONDS
    shift
    echo "== $name"
    "$@" || failed+=("$name")
    local took=$((SECONDS - start))
    timings+=("$(printf '%-28s %3d:%02d' "$name" $((took / 60)) $((took % 60)))")
    echo "== $name: $((took / 60)) min $((took % 60)) s"
}

# Every function both TSetup.exe import must be in the allow-list, and their file headers must
# name the oldest supported Windows; then the check itself is shown to catch each fault.
check_imports() {
    local programs=("$root/build/i686/TSetup.exe" "$root/build/x86_64/TSetup.exe")
    "$root/tests/imports/check_imports.sh" "$root/tests/imports/allowed-imports.txt" "${programs[@]}" &&
        "$root/tests/imports/check_imports_test.sh" "${programs[@]}"
}

# The end-to-end tests spend most of their time waiting for windows, processes and the wine
# server, so E2E_SHARDS runs (2 by default) share them out, each in a copy of the prefix, on a
# display of its own and with its own copy of the programs (tests write files beside them).
e2e_shard() { # e2e_shard K N
    local dir="$root/build/e2e-shard-$1"
    rm -rf "$dir" "$dir.display"
    mkdir -p "$dir/i686" "$dir/x86_64"
    cp "$root"/build/i686/*.exe "$dir/i686/"
    cp "$root"/build/x86_64/*.exe "$dir/x86_64/"
    export WINEPREFIX="$dir/wine-prefix"
    cp -a "$root/build/wine-prefix-template" "$WINEPREFIX"
    unset DISPLAY
    xvfb_start || return 1
    echo "$DISPLAY" >"$dir.display"
    trap 'wineserver_stop "$WINEPREFIX"; xvfb_stop' EXIT
    wineserver -p
    wine_warm_up "$dir/$TSETUP_RUN_ARCH"
    local status=0
    E2E_SHARD=$1/$2 "$root/tests/e2e/run.sh" "$dir/$TSETUP_RUN_ARCH" "${E2E_PATTERN:-.}" || status=1
    # The imports once more on the 64-bit build: its registry editor is the one that breaks on
    # odd files.
    if [ "$TSETUP_RUN_ARCH" != x86_64 ] && [ -z "${E2E_PATTERN:-}" ]; then
        echo "  -- the imports on the 64-bit build"
        E2E_SHARD=$1/$2 "$root/tests/e2e/run.sh" "$dir/x86_64" \
            'test_an_import_|test_a_macro_under_a_short_name' || status=1
    fi
    return $status
}
e2e_tests() {
    local n=${E2E_SHARDS:-2} k status=0 pids=()
    for ((k = 1; k <= n; k++)); do
        (e2e_shard "$k" "$n") >"$root/build/e2e-shard-$k.log" 2>&1 &
        pids+=($!)
    done
    for ((k = 1; k <= n; k++)); do
        wait "${pids[k - 1]}" || status=1
        echo "-- shard $k of $n"
        cat "$root/build/e2e-shard-$k.log"
    done
    # Shards that shared a display typed into each other's windows.
    local shared
    shared=$(for ((k = 1; k <= n; k++)); do cat "$root/build/e2e-shard-$k.display"; done 2>/dev/null |
        sort | uniq -d)
    if [ -n "$shared" ]; then
        echo "FAIL: end-to-end shards shared the display $shared"
        status=1
    fi
    return $status
}

# The registry editor's test of odd files also takes the reader's fuzz corpus.
win32_tests() {
    (cd "$root/build/$1" &&
        TSETUP_REGFILE_CORPUS=$(winepath -w "$root/tests/fuzz/corpus/RegFile" 2>/dev/null) \
            timeout 900 wine win32_tests.exe --gtest_brief=1)
}

wanted native && suite "native unit tests" "$root/build/native/unit_tests" --gtest_brief=1
wanted fuzz && suite "fuzzing (libFuzzer)" "$root/scripts/fuzz.sh" 100000
wanted imports && suite "imports of TSetup.exe" check_imports
wanted reproducible && suite "reproducible TSetup.exe" "$root/scripts/reproducible.sh"

if wanted win32 || wanted e2e; then
    case "$TSETUP_RUN_ARCH:$TSETUP_I386_EMULATED" in
    i686:1) echo "== 32-bit programs run through qemu-i386 (this kernel runs none itself)" ;;
    i686:*) ;;
    *) echo "== WARNING: this machine cannot run 32-bit programs (its kernel lacks 32-bit support"
       echo "== and qemu-i386 is missing): only the 64-bit build runs under Wine." ;;
    esac
    export WINEPREFIX="$root/build/wine-prefix"
    start=$SECONDS
    wine_prefix_fresh "$WINEPREFIX"
    # The end-to-end shards start from copies of this prefix, taken before anything runs in it.
    wanted e2e && cp -a "$WINEPREFIX" "$root/build/wine-prefix-template"
    xvfb_start || exit 1
    trap 'wineserver_stop "$WINEPREFIX"; xvfb_stop' EXIT
    # One server for the whole run: under emulation a cold start of the first program of a
    # server takes long enough to miss a test's deadline.
    WINEPREFIX=$WINEPREFIX wineserver -p
    wine_warm_up "$root/build/$TSETUP_RUN_ARCH"
    echo "== Wine prefix $WINEPREFIX ready in $((SECONDS - start)) s"
    if wanted win32; then
        for arch in $TSETUP_WINE_ARCHS; do
            suite "Win32 tests ($arch)" win32_tests "$arch"
        done
    fi
    if wanted e2e; then
        suite "end-to-end ($TSETUP_RUN_ARCH)" e2e_tests
    fi
fi

total=$((SECONDS - started_all))
echo "== times"
printf '   %s\n' "${timings[@]}"
printf '   %-28s %3d:%02d\n' "total" $((total / 60)) $((total % 60))
if [ ${#failed[@]} -ne 0 ]; then
    echo "FAILED: ${failed[*]}"
    exit 1
fi
echo "all suites passed"
