#!/usr/bin/env bash
# Builds everything and runs every test suite: the native unit tests (sanitizers on), the
# Win32 tests of both builds under Wine, and the end-to-end tests of the real program.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh" || exit 1
"$root/scripts/build.sh" || exit 1

. "$root/scripts/wine-env.sh"
failed=()

echo "== native unit tests"
"$root/build/native/unit_tests" --gtest_brief=1 || failed+=(native)

echo "== fuzzing the parsers of stored values (libFuzzer)"
"$root/scripts/fuzz.sh" 100000 || failed+=(fuzz)

# The shell, the common dialogs and COM are loaded when first used: imported, they would be
# loaded (with the printing libraries) at every start.
echo "== imports of the Windows programs (only system DLLs, none loaded late)"
for arch in i686 x86_64; do
    dlls=$("$arch-w64-mingw32-objdump" -p "$root/build/$arch/TSetup.exe" | awk '/DLL Name:/ {print tolower($3)}')
    foreign=$(echo "$dlls" | grep -v -x -E 'kernel32\.dll|user32\.dll|gdi32\.dll|advapi32\.dll|comctl32\.dll|uxtheme\.dll|version\.dll|msvcrt\.dll')
    if [ -n "$foreign" ]; then
        echo "TSetup.exe ($arch) imports DLLs it must not: $foreign"
        failed+=("imports-$arch")
    else
        echo "$arch: $(echo $dlls)"
    fi
done

if [ "$TSETUP_RUN_ARCH" != i686 ]; then
    echo "== WARNING: this machine cannot run 32-bit programs (its kernel lacks 32-bit support);"
    echo "== the 32-bit build is built and checked, but only the 64-bit build runs under Wine."
fi

export WINEPREFIX="$root/build/wine-prefix"
echo "== Wine prefix $WINEPREFIX"
wine_prefix_fresh "$WINEPREFIX"
xvfb_start || exit 1
trap 'wineserver_stop "$WINEPREFIX"; xvfb_stop' EXIT

for arch in $TSETUP_WINE_ARCHS; do
    echo "== Win32 tests ($arch) under Wine"
    (cd "$root/build/$arch" && timeout 600 wine win32_tests.exe --gtest_brief=1) || failed+=("win32-$arch")
done

echo "== end-to-end tests under Wine"
"$root/tests/e2e/run.sh" "$root/build/$TSETUP_RUN_ARCH" || failed+=(e2e)

if [ ${#failed[@]} -ne 0 ]; then
    echo "FAILED: ${failed[*]}"
    exit 1
fi
echo "all suites passed"
