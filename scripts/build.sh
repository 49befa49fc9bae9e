#!/usr/bin/env bash
# Builds the native tests (build/native) and the Windows programs (build/i686, build/x86_64).
# Usage: scripts/build.sh [native|i686|x86_64 ...]   (default: all three)
#        BUILD_ONLY=TARGET builds one CMake target (e.g. TSetup) instead of all of them.
# The link time stamp of the Windows programs is the time of the checked-out commit, or
# SOURCE_DATE_EPOCH when it is set (0 outside a git checkout): two builds of one commit are
# the same bytes.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(native i686 x86_64)
jobs=$(nproc)
epoch=${SOURCE_DATE_EPOCH:-}
if [ -z "$epoch" ] && [ -e "$root/.git" ]; then
    epoch=$(git -C "$root" log -1 --format=%ct 2>/dev/null) || epoch=
fi
epoch=${epoch:-0}
build_args=()
[ -z "${BUILD_ONLY:-}" ] || build_args=(--target "$BUILD_ONLY")

for t in "${targets[@]}"; do
    dir="$root/build/$t"
    args=(-S "$root" -B "$dir" -DCMAKE_BUILD_TYPE=Release)
    case "$t" in
    native) args+=(-DCMAKE_BUILD_TYPE=Debug) ;;
    i686|x86_64) args+=(-DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-$t.cmake"
                        -DTSETUP_SOURCE_DATE_EPOCH="$epoch") ;;
    *) echo "unknown target $t" >&2; exit 2 ;;
    esac
    if [ ! -f "$dir/CMakeCache.txt" ] ||
        { [ "$t" != native ] && ! grep -qx "TSETUP_SOURCE_DATE_EPOCH:STRING=$epoch" "$dir/CMakeCache.txt"; }; then
        cmake "${args[@]}" >/dev/null
    fi
    # Only warnings and errors are shown.
    status=0
    cmake --build "$dir" -j"$jobs" "${build_args[@]}" >"$dir/build.log" 2>&1 || status=$?
    grep -v -E '^\[ *[0-9]+%\]|^-- |^g?make' "$dir/build.log" || true
    [ "$status" -eq 0 ] || { echo "build of $t failed" >&2; exit 1; }
done
