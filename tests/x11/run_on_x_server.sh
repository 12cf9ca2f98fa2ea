#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tappon developers
# Runs a Qt test program through the toolkit's X11 backend, on an X server of its own.
set -euo pipefail
test_program=$(realpath "$1")
source "$(dirname "$0")/../e2e/x11_session.sh"
e2e_start_x
QT_QPA_PLATFORM=xcb "$test_program"
