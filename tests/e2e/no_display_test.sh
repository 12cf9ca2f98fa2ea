#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tappon developers
# Without a display the program says so in one line and ends with a non-zero status:
# no display named at all, a display without a server behind it, and a Wayland socket
# that does not exist. Never a crash, an abort or a core dump.
set -uo pipefail
program=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1

failures=0
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }

# A display number with neither a socket nor a lock file: no server can answer there.
free_display() {
    local n
    for n in $(seq 90 190); do
        [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || { echo ":$n"; return; }
    done
    echo ":199"
}

# Runs the program in the given environment and checks how it ends.
check() {
    local what=$1
    shift
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@" timeout 20 "$program" >"$work/out" 2>"$work/err"
    local status=$?
    local lines
    lines=$(grep -c . "$work/err")
    echo "== $what: status $status, stderr: $(cat "$work/err")"
    [ -s "$work/out" ] && fail "$what: wrote to stdout: $(cat "$work/out")"
    [ "$status" -eq 124 ] && { fail "$what: hung"; return; }
    [ "$status" -ne 0 ] || fail "$what: exit status 0"
    [ "$status" -lt 128 ] || fail "$what: ended by signal $((status - 128))"
    [ "$lines" -eq 1 ] || fail "$what: $lines lines on stderr instead of one"
    grep -qi 'display' "$work/err" || fail "$what: the message does not name the display"
    grep -qiE 'abort|core dump|segmentation|qt\.qpa|plugin' "$work/err" && fail "$what: Qt's own failure text leaked out"
    compgen -G "$work/core*" >/dev/null && fail "$what: left a core file"
}

check "no display named"
check "a display without a server" DISPLAY="$(free_display)"
check "a Wayland socket that does not exist" XDG_RUNTIME_DIR="$work" WAYLAND_DISPLAY=wayland-tappon-none

[ "$failures" -eq 0 ] || exit 1
echo "PASSED"
