#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tappon developers
# Configures, builds and runs the core and its unit tests without Qt, in $1; unoptimised,
# which compiles fastest.
set -euo pipefail
here=$(dirname "$(realpath "$0")")
cmake -S "$here" -B "$1" -G Ninja -DCMAKE_BUILD_TYPE= >/dev/null
cmake --build "$1" -j 2
"$1/unit_tests" --gtest_brief=1
