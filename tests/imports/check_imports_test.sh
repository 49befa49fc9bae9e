#!/usr/bin/env bash
# The imports check catches what it is there for: each case spoils the allow-list or a copy
# of a program in one way and expects the check to fail with a message that names the fault.
# Usage: tests/imports/check_imports_test.sh PROGRAM...   (the built TSetup.exe files)
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
list=$here/allowed-imports.txt
[ $# -ge 1 ] || { echo "usage: $0 PROGRAM..." >&2; exit 2; }
programs=("$@")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The spoilers: each makes $work/list (and may make spoiled programs in $work) from the real
# ones; spoiled_programs names the programs the case checks.
without_line() { grep -v -x -E "$1" "$list" >"$work/list"; }
take_out_function() { without_line 'GetTickCount64 +Vista'; }
take_out_dll() { awk '/^\[version\.dll\]$/ {skip = 1; next} /^\[/ {skip = 0} !skip' "$list" >"$work/list"; }
newer_than_supported() { sed -E 's/^(GetTickCount64) +Vista$/\1 8/' "$list" >"$work/list"; }
typo_after_name() { sed -E 's/^(RegDeleteTreeW) +Vista$/\1 Vsita/' "$list" >"$work/list"; }
function_before_dll() { { echo "GetTickCount64 Vista"; cat "$list"; } >"$work/list"; }
# A copy of each program whose header says Windows 2000 (5.0) for the subsystem version.
old_subsystem() {
    cp "$list" "$work/list"
    local program copy offset
    for program in "${programs[@]}"; do
        copy="$work/$(basename "$(dirname "$program")")-$(basename "$program")"
        cp "$program" "$copy"
        # The PE header starts at the offset in 0x3c; MajorSubsystemVersion is 72 bytes on.
        offset=$(od -An -t u4 -j 60 -N 4 "$copy" | tr -d ' ')
        printf '\005\000\000\000' | dd of="$copy" bs=1 seek=$((offset + 72)) conv=notrunc status=none
        spoiled+=("$copy")
    done
}

# name | spoiler | what the message must contain
cases=(
    "one imported function taken out of the list|take_out_function|kernel32.dll GetTickCount64"
    "one DLL taken out of the list|take_out_dll|version.dll VerQueryValueW"
    "a function said to come with Windows 8|newer_than_supported|GetTickCount64: after the name only Vista or 7"
    "a misspelt Windows after a name|typo_after_name|not \"Vsita\""
    "a function before the first DLL|function_before_dll|a function before the first [dll]"
    "a program whose header says subsystem 5.0|old_subsystem|subsystem version 5.0, not 6.1 (Windows 7)"
)

failures=0
if ! out=$("$here/check_imports.sh" "$list" "${programs[@]}" 2>&1); then
    echo "FAIL: the committed list and programs do not pass:"
    echo "$out" | sed 's/^/    /'
    failures=1
fi
for entry in "${cases[@]}"; do
    IFS='|' read -r name spoiler expected <<<"$entry"
    rm -f "$work"/*
    spoiled=()
    "$spoiler"
    [ ${#spoiled[@]} -gt 0 ] || spoiled=("${programs[@]}")
    if out=$("$here/check_imports.sh" "$work/list" "${spoiled[@]}" 2>&1); then
        echo "FAIL: $name: the check passed"
        failures=$((failures + 1))
    elif [[ "$out" != *"$expected"* ]]; then
        echo "FAIL: $name: the check failed without saying [$expected]:"
        echo "$out" | sed 's/^/    /'
        failures=$((failures + 1))
    else
        echo "  caught: $name"
    fi
done
[ "$failures" -eq 0 ]
