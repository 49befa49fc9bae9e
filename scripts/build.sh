#!/usr/bin/env bash
# Builds the native tests (build/native) and the Windows programs (build/i686, build/x86_64).
# Usage: scripts/build.sh [native|i686|x86_64 ...]   (default: all three)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(native i686 x86_64)
jobs=$(nproc)

for t in "${targets[@]}"; do
    dir="$root/build/$t"
    args=(-S "$root" -B "$dir" -DCMAKE_BUILD_TYPE=Release)
    case "$t" in
    native) args+=(-DCMAKE_BUILD_TYPE=Debug) ;;
    i686|x86_64) args+=(-DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-$t.cmake") ;;
    *) echo "unknown target $t" >&2; exit 2 ;;
    esac
    if [ ! -f "$dir/CMakeCache.txt" ]; then
        cmake "${args[@]}" >/dev/null
    fi
    # Only warnings and errors are shown.
    status=0
    cmake --build "$dir" -j"$jobs" >"$dir/build.log" 2>&1 || status=$?
    grep -v -E '^\[ *[0-9]+%\]|^-- |^g?make' "$dir/build.log" || true
    [ "$status" -eq 0 ] || { echo "build of $t failed" >&2; exit 1; }
done
