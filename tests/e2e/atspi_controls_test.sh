#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tappon developers
# The real program's controls used from outside and read through accessibility (AT-SPI):
# start, pause, resume and stop with the buttons and the menu, the enabled state of
# each against the table of usable controls, the level items and the sound switch.
set -euo pipefail
program=$(realpath "$1")
here=$(dirname "$0")
source "$here/x11_session.sh"
source "$here/atspi/atspi_session.sh"
atspi_run "$here/atspi/controls_test.py" "$program"
