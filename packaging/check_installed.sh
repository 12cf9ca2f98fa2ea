#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tappon developers
# Starts an installed Tappon (default /usr/games/tappon, where the Debian package puts
# it) under an X server of its own and checks that its main window appears and that the
# effects it plays are taken from the Sound folder beside the real program, even when
# started through the command's symlink.
# Exit status 0: it works; 77: the X tools are missing; anything else: it does not work.
#   packaging/check_installed.sh [path-to-installed-tappon]
set -euo pipefail
program=${1:-/usr/games/tappon}
[ -x "$program" ] || { echo "FAILED: $program is not an installed program"; exit 1; }
program_dir=$(dirname "$(realpath "$program")")
source "$(dirname "$(realpath "$0")")/../tests/e2e/x11_session.sh"
e2e_start_x

# Started from elsewhere, so nothing can be found relative to the working folder.
cd "$E2E_TMP"
TAPPON_TRACE="$E2E_TMP/trace.log" "$program" >"$E2E_TMP/program.log" 2>&1 &
pid=$!
E2E_PIDS+=("$pid")

if ! main=$(e2e_wait_window "$pid" 6 '^Tapp'); then
    cat "$E2E_TMP/program.log"
    kill -0 "$pid" 2>/dev/null || e2e_fail "$program ended before showing its main window"
    e2e_fail "$program showed no main window within 6 s"
fi
echo "main window of $program: $(e2e_title "$main")"

# The splash plays its effects whatever the sound switch says.
sounds=$(awk '$2 == "sound" { print $3 }' "$E2E_TMP/trace.log" 2>/dev/null || true)
[ -n "$sounds" ] || e2e_fail "$program played no effect while starting"
for path in $sounds; do
    case "$path" in
        "$program_dir"/Sound/*.WAV) [ -f "$path" ] || e2e_fail "effect $path is not installed" ;;
        *) e2e_fail "effect $path is not taken from $program_dir/Sound" ;;
    esac
done
echo "effects from $program_dir/Sound: $(echo "$sounds" | xargs -n1 basename | sort -u | xargs)"

kill "$pid"
wait "$pid" 2>/dev/null || true
echo "PASSED"
