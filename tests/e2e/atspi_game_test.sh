#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tappon developers
# Two short games of the real program, followed through accessibility (AT-SPI) and
# played with real keys: the letters are read and typed, the score counts, the verdicts
# appear and close, and the best score takes the hits of the good game.
set -euo pipefail
program=$(realpath "$1")
here=$(dirname "$0")
source "$here/x11_session.sh"
source "$here/atspi/atspi_session.sh"
atspi_run "$here/atspi/game_test.py" "$program"
