#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tappon developers
# The platform the program asks Qt for in a Wayland session. Its windows are placed by
# absolute screen positions, which only X11 allows: with XWayland beside the compositor
# (DISPLAY set too) it runs on X11; with no X server at all it still runs on Wayland;
# a platform the user chose with QT_QPA_PLATFORM is kept.
set -euo pipefail
program=$(realpath "$1")
source "$(dirname "$0")/x11_session.sh"
command -v weston >/dev/null || e2e_skip "weston is not installed"
ls /usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so >/dev/null 2>&1 \
    || e2e_skip "Qt's Wayland platform plugin (qt6-wayland) is not installed"

# A headless compositor of our own.
export XDG_RUNTIME_DIR="$E2E_TMP/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
weston --backend=headless-backend.so --socket=wayland-e2e --idle-time=0 >"$E2E_TMP/weston.log" 2>&1 &
E2E_PIDS+=($!)
for _ in $(seq 100); do
    [ -S "$XDG_RUNTIME_DIR/wayland-e2e" ] && break
    sleep 0.05
done
[ -S "$XDG_RUNTIME_DIR/wayland-e2e" ] || e2e_skip "weston did not start: $(cat "$E2E_TMP/weston.log")"

# Starts the program with the given environment changes; sets pid and trace.
run=0
start_program() {
    run=$((run + 1))
    trace="$E2E_TMP/trace$run.log"
    env "$@" TAPPON_TRACE="$trace" "$program" >"$E2E_TMP/program$run.log" 2>&1 &
    pid=$!
    E2E_PIDS+=("$pid")
}

# Waits up to 6 s for the main window to be mapped, as the program itself records it.
wait_main_mapped() {
    for _ in $(seq 120); do
        grep -q ' mapped frmtype' "$trace" 2>/dev/null && return 0
        kill -0 "$pid" 2>/dev/null || { cat "$E2E_TMP/program$run.log"; e2e_fail "the program ended"; }
        sleep 0.05
    done
    cat "$E2E_TMP/program$run.log"
    e2e_fail "the main window was not mapped within 6 s"
}

uses_wayland() { grep -q 'libqwayland' "/proc/$pid/maps"; }

stop_program() { kill "$pid"; wait "$pid" 2>/dev/null || true; }

# No X server at all: the program runs on Wayland.
start_program -u DISPLAY -u QT_QPA_PLATFORM WAYLAND_DISPLAY=wayland-e2e XDG_SESSION_TYPE=wayland
wait_main_mapped
uses_wayland || e2e_fail "without X11 the program did not run on Wayland"
stop_program
echo "Wayland only: runs on Wayland"

# XWayland beside the compositor: the program runs on X11.
e2e_start_x
start_program -u QT_QPA_PLATFORM WAYLAND_DISPLAY=wayland-e2e XDG_SESSION_TYPE=wayland
e2e_wait_window "$pid" 6 '^Tapp' >/dev/null || e2e_fail "with DISPLAY set the main window did not appear on X11"
! uses_wayland || e2e_fail "with DISPLAY set the program still loaded the Wayland platform"
stop_program
echo "Wayland with XWayland: runs on X11"

# The user's own choice stands.
start_program QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=wayland-e2e XDG_SESSION_TYPE=wayland
wait_main_mapped
uses_wayland || e2e_fail "QT_QPA_PLATFORM=wayland was overridden"
[ -z "$(e2e_windows "$pid")" ] || e2e_fail "QT_QPA_PLATFORM=wayland still opened X11 windows"
stop_program
echo "QT_QPA_PLATFORM=wayland: kept"
echo "PASSED"
