#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tappon developers
# Builds the number reader's fuzz target with clang's libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer from the toolkit-free sources, and runs it for a bounded
# time over inputs of up to three bytes, starting from the committed corpus.
# Usage: run_fuzzer.sh [seconds] [work-folder]   (exit 77: no clang or no libFuzzer)
set -euo pipefail

seconds=${1:-30}
here=$(cd "$(dirname "$0")" && pwd)
source_dir=$(cd "$here/../.." && pwd)
work=${2:-}
if [ -z "$work" ]; then
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
fi
mkdir -p "$work/objects" "$work/corpus"

cxx=${CXX_FUZZ:-}
if [ -z "$cxx" ]; then
    for candidate in clang++ clang++-16 clang++-15 clang++-14; do
        command -v "$candidate" >/dev/null && { cxx=$candidate; break; }
    done
fi
[ -n "$cxx" ] || { echo "SKIPPED: clang++ is not installed (apt-get install clang libclang-rt-14-dev)"; exit 77; }

flags=(-std=c++20 -g -O1 -I"$source_dir" -fsanitize=fuzzer-no-link,address,undefined
       -fno-sanitize-recover=undefined -fno-omit-frame-pointer -w)

# libFuzzer's runtime comes with clang's compiler-rt package, not with clang itself.
echo 'extern "C" int LLVMFuzzerTestOneInput(const char*, unsigned long) { return 0; }' >"$work/probe.cpp"
"$cxx" -fsanitize=fuzzer "$work/probe.cpp" -o "$work/probe" 2>/dev/null \
    || { echo "SKIPPED: $cxx has no libFuzzer runtime (apt-get install libclang-rt-14-dev)"; exit 77; }

# The behaviour and the window model without any toolkit: everything tappon_core holds.
folders=(platform/window platform/controls platform/design platform/time platform/values platform/services
         game windows sound designs)
sources=()
for folder in "${folders[@]}"; do
    for file in "$source_dir/$folder"/*.cpp; do sources+=("$file"); done
done
sources+=("$here/number_reader_fuzzer.cpp")

# Objects are kept in the work folder. Every source and header older than the start of
# the last complete build is in them; a changed header rebuilds them all.
built=$work/objects/.sources-as-of
touch "$work/objects/.building"
if [ ! -e "$built" ] || [ -n "$(find "${folders[@]/#/$source_dir/}" "$source_dir"/tests/support -maxdepth 1 \
        -name '*.h' -newer "$built" | head -n1)" ]; then
    rm -f "$work"/objects/*.o
fi
compile() {
    local object
    object=$work/objects/$(echo "$1" | sed "s|$source_dir/||; s|/|_|g").o
    if [ ! -e "$object" ] || [ ! -e "$built" ] || [ "$1" -nt "$built" ]; then
        "$cxx" "${flags[@]}" -c "$1" -o "$object"
    fi
    echo "$object"
}
export -f compile
export cxx work source_dir built
export flags_text="${flags[*]}"
objects=$(printf '%s\n' "${sources[@]}" | xargs -P "$(nproc)" -I{} bash -c 'flags=($flags_text); compile "$1"' _ {})
# shellcheck disable=SC2086
"$cxx" -fsanitize=fuzzer,address,undefined $objects -o "$work/number_reader_fuzzer"
mv "$work/objects/.building" "$built"

# New inputs go to a scratch corpus; the committed seeds are only read.
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export ASAN_OPTIONS=detect_leaks=1
"$work/number_reader_fuzzer" -max_len=3 -max_total_time="$seconds" -timeout=10 -rss_limit_mb=1024 \
    -print_final_stats=1 -artifact_prefix="$work/" "$work/corpus" "$here/corpus"
