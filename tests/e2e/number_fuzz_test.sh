#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tappon developers
# The number reader and the start of a game fuzzed for 30 s with libFuzzer over every
# kind of text the three-character time box can hold (tests/fuzz/run_fuzzer.sh).
# Its objects are kept beside the program, so later runs only rebuild what changed.
# Usage: number_fuzz_test.sh <path-to-tappon>   (exit 77: no clang or no libFuzzer)
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
work=$(cd "$(dirname "$1")" && pwd)/number_fuzz
mkdir -p "$work"
# Inputs found in an earlier run start from scratch: the run should not depend on them.
rm -rf "$work/corpus"
bash "$here/../fuzz/run_fuzzer.sh" "${TAPPON_FUZZ_SECONDS:-30}" "$work" >"$work/fuzz.log" 2>&1
status=$?
tail -n 15 "$work/fuzz.log"
[ $status -eq 77 ] && exit 77
if [ $status -ne 0 ]; then
    grep -E 'time box text|ERROR|runtime error|SUMMARY' "$work/fuzz.log" | head -n 20
    for crash in "$work"/crash-* "$work"/leak-* "$work"/timeout-*; do
        [ -e "$crash" ] && echo "input: $(od -An -c "$crash")"
    done
    echo "FAILED: the fuzz run ended with status $status (full log: $work/fuzz.log)"
    exit 1
fi
grep -q 'Done [0-9]* runs' "$work/fuzz.log" || { echo "FAILED: the fuzzer did not run"; exit 1; }
echo "PASSED"
