#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tappon developers
# The real program's windows seen through accessibility (AT-SPI) and the X server: the
# splash, then the main window; the help window (F1 slides it in, Esc out) and the
# about window (Esc closes it).
set -euo pipefail
program=$(realpath "$1")
here=$(dirname "$0")
source "$here/x11_session.sh"
source "$here/atspi/atspi_session.sh"
atspi_run "$here/atspi/windows_test.py" "$program"
