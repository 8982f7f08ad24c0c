#!/usr/bin/env bash
# Builds the fuzz target of the uninstallation data reader with clang's libFuzzer (apart from
# the CMake build, which uses g++), into build-fuzz/ of the repository, and optionally runs it:
#   bash uninstaller/fuzz/build.sh [SECONDS]
# With SECONDS it fuzzes that long from a copy of the committed corpus and merges new
# findings of coverage into tests/uninstaller/fuzz-corpus/.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
out=$root/build-fuzz
mkdir -p "$out"
clang++ -std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
    -I "$root/uninstaller" \
    "$root/uninstaller/fuzz/fuzz_uninstdata.cpp" \
    "$root/uninstaller/bytestring.cpp" "$root/uninstaller/messagetable.cpp" \
    "$root/uninstaller/templateformat.cpp" "$root/uninstaller/textcodec.cpp" \
    "$root/uninstaller/uninstdata.cpp" \
    -o "$out/fuzz_uninstdata"
echo "Built $out/fuzz_uninstdata"
if [ $# -ge 1 ]; then
    corpus=$root/tests/uninstaller/fuzz-corpus
    work=$out/corpus
    mkdir -p "$work"
    cp -n "$corpus"/* "$work"/ 2>/dev/null || true
    "$out/fuzz_uninstdata" -max_total_time="$1" -max_len=65536 -rss_limit_mb=2048 \
        -artifact_prefix="$out/" "$work"
    "$out/fuzz_uninstdata" -merge=1 "$corpus" "$work"
fi
