# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tappon developers
# shellcheck shell=bash
# Shared by the tests that need a sound server: a private PulseAudio with a null sink,
# in its own runtime folder and home so that it touches no one else's. Source it.
#   pulse_private_home DIR   exports XDG_RUNTIME_DIR and HOME below DIR
#   pulse_start LOG [RATE]   starts the server (sink test_null), sets PULSE_PID; 1 on failure
#   pulse_kill               kills it at once (-9), as a crashing server would go
#   pulse_unreachable        points the program at a server that does not exist

pulse_private_home() {
    export XDG_RUNTIME_DIR=$1/runtime HOME=$1/home
    mkdir -p "$1"
    mkdir -m 700 "$XDG_RUNTIME_DIR" "$HOME"
    unset PULSE_SERVER PULSE_SINK
}

PULSE_PID=
pulse_start() {
    local log=$1 rate=${2:-44100}
    # PulseAudio warns when run as root but works; --system is not wanted here.
    pulseaudio --daemonize=no --exit-idle-time=-1 -n --log-target=stderr \
        -L module-native-protocol-unix -L "module-null-sink sink_name=test_null rate=$rate" \
        2>>"$log" &
    PULSE_PID=$!
    for _ in $(seq 50); do
        pactl info >/dev/null 2>&1 && return 0
        kill -0 "$PULSE_PID" 2>/dev/null || break
        sleep 0.1
    done
    return 1
}

pulse_kill() {
    [ -n "$PULSE_PID" ] || return 0
    kill -9 "$PULSE_PID" 2>/dev/null
    wait "$PULSE_PID" 2>/dev/null
    PULSE_PID=
}

pulse_unreachable() {
    export PULSE_SERVER=unix:$XDG_RUNTIME_DIR/no-such-server
}
