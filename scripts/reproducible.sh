#!/usr/bin/env bash
# Builds both TSetup.exe a second time, from a copy of the sources in another folder, and
# compares them byte for byte with those in build/: two builds of one commit must give the
# same programs. Run after scripts/build.sh; takes a few minutes.
# Usage: scripts/reproducible.sh
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
work=$root/build/reproducible
archs=(i686 x86_64)

# The second build takes the time stamp the first one was linked with.
epoch=$(sed -n 's/^TSETUP_SOURCE_DATE_EPOCH:STRING=//p' "$root/build/i686/CMakeCache.txt" 2>/dev/null) || true
if [ -z "$epoch" ] || [ ! -f "$root/build/i686/TSetup.exe" ] || [ ! -f "$root/build/x86_64/TSetup.exe" ]; then
    echo "reproducible: build the programs first (scripts/build.sh i686 x86_64)" >&2
    exit 1
fi

rm -rf "$work"
mkdir -p "$work/source"
tar -C "$root" --exclude=./build --exclude=./dist --exclude=./.git -cf - . | tar -C "$work/source" -xf -
if ! SOURCE_DATE_EPOCH=$epoch BUILD_ONLY=TSetup "$work/source/scripts/build.sh" "${archs[@]}"; then
    echo "reproducible: the second build failed" >&2
    exit 1
fi

status=0
for arch in "${archs[@]}"; do
    first=$root/build/$arch/TSetup.exe
    second=$work/source/build/$arch/TSetup.exe
    if cmp -s "$first" "$second"; then
        echo "$arch: TSetup.exe identical, $(sha256sum <"$first" | cut -d' ' -f1)"
    else
        echo "FAIL: $arch: TSetup.exe differs between $first and $second" \
             "($(cmp -l "$first" "$second" 2>/dev/null | wc -l) bytes; first: $(cmp "$first" "$second" 2>&1 | head -1))"
        status=1
    fi
done
# A difference is kept to be looked at; a match needs no second copy.
[ "$status" -ne 0 ] || rm -rf "$work"
exit $status
