#!/usr/bin/env bash
# Builds the fuzz targets (the parsers of stored values, the REGEDIT4 writer, the registry-file
# reader with the UTF-16 writer and the import's plan) with clang's libFuzzer (with AddressSanitizer and
# UndefinedBehaviorSanitizer) into build/fuzz and runs each for a bounded number of inputs, starting from its corpus in tests/fuzz/corpus.
# Usage: scripts/fuzz.sh [RUNS [TARGET...]]   (default 100000 inputs for every target;
# targets: KeyCode SpeakerRec RegEditFile RegFile)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-100000}
shift $(($# > 0 ? 1 : 0))
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(KeyCode SpeakerRec RegEditFile RegFile)
out="$root/build/fuzz"
mkdir -p "$out"
clang=$(command -v clang++ || command -v clang++-14 || true)
if [ -z "$clang" ]; then
    echo "clang++ is missing: the fuzz targets are not run" >&2
    exit 1
fi
flags=(-std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined
       -finput-charset=UTF-8 -I"$root/src")
declare -A sources=(
    [KeyCode]="src/macros/KeyCode.cpp src/platform/Services.cpp"
    [SpeakerRec]="src/sound/SpeakerRec.cpp src/platform/DecimalNumber.cpp"
    [RegEditFile]="src/macros/MacroExportFile.cpp src/regfile/Regedit4Writer.cpp src/regfile/Hex.cpp
                   src/settings/Registry.cpp src/settings/RegistryReplace.cpp
                   src/settings/StoreError.cpp src/platform/Services.cpp src/platform/Registry.cpp
                   src/platform/Cp1252.cpp src/platform/Utf16Text.cpp src/platform/fake/FakeRegistry.cpp"
    [RegFile]="src/regfile/Reader.cpp src/regfile/Utf16Writer.cpp src/regfile/RegFile.cpp
               src/regfile/Hex.cpp src/macros/ImportPlan.cpp src/macros/MacroValue.cpp
               src/macros/KeyCode.cpp src/platform/Services.cpp src/platform/Utf16Text.cpp
               src/platform/Cp1252.cpp"
)
# The longest input each target is given: a value name, or a key with its values.
declare -A maxLength=([KeyCode]=64 [SpeakerRec]=64 [RegEditFile]=4096 [RegFile]=4096)
for target in "${targets[@]}"; do
    files=()
    for f in ${sources[$target]}; do files+=("$root/$f"); done
    "$clang" "${flags[@]}" "$root/tests/fuzz/${target}Fuzzer.cpp" "${files[@]}" -o "$out/${target}Fuzzer"
    # New inputs go to a scratch folder; the corpus in the repository stays as committed.
    scratch="$out/${target}-corpus"
    mkdir -p "$scratch"
    "$out/${target}Fuzzer" -runs="$runs" -max_len="${maxLength[$target]}" -seed=1 -artifact_prefix="$out/${target}-" "$scratch" "$root/tests/fuzz/corpus/$target" \
        >"$out/${target}.log" 2>&1 || { tail -30 "$out/${target}.log"; echo "fuzzing $target failed" >&2; exit 1; }
    echo "$target: $(grep -E '^Done [0-9]+ runs' "$out/${target}.log")"
done
