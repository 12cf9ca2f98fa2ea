#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tappon developers
# The Windows-only sources must stay valid for a Windows compiler: they are compiled
# nowhere else. Checks their syntax with mingw-w64 (package g++-mingw-w64-x86-64).
# The program path that every script test receives is not needed here.
set -u

repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
compiler=x86_64-w64-mingw32-g++

if ! command -v "$compiler" > /dev/null; then
    echo "SKIP: $compiler is not installed"
    exit 77
fi

shopt -s nullglob
sources=("$repo"/platform/win/*.cpp)
if [ ${#sources[@]} -eq 0 ]; then
    echo "FAIL: no Windows sources in $repo/platform/win"
    exit 1
fi

status=0
for source in "${sources[@]}"; do
    if "$compiler" -std=c++20 -Wall -Wextra -Wpedantic -Werror -fsyntax-only -I"$repo" "$source"; then
        echo "ok: ${source#"$repo"/}"
    else
        echo "FAIL: ${source#"$repo"/}"
        status=1
    fi
done
exit $status
