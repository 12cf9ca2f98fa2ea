#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tappon developers
# The real program goes on when its sounds fail: no Sound folder, empty WAV files,
# WAV files of random bytes, no audio server at all, and the audio server killed in
# the middle of a game. In each case a short game is played to its verdict while the
# title banner keeps moving, and the exit item ends the program with status 0.
set -uo pipefail
program=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)
source "$here/x11_session.sh"
source "$here/pulse_session.sh"
source "$here/game_session.sh"
for tool in pulseaudio pactl; do
    command -v "$tool" >/dev/null || e2e_skip "$tool is not installed"
done
sounds=$(dirname "$program")/Sound
[ -f "$sounds/du.WAV" ] || e2e_fail "no Sound folder beside $program"

e2e_start_x
pulse_private_home "$E2E_TMP"
trap 'pulse_kill; e2e_cleanup' EXIT

letters=abcdefghijklmnopqrstuvwxyz0123456789ABCDEFGHIJ
failures=0
fail_case() { echo "FAILED: $1: $2"; failures=$((failures + 1)); }

# A copy of the program in a folder of its own, so that its Sound folder can be changed.
# $2: none | empty | corrupt
lay_out() {
    local dir=$E2E_TMP/$1
    mkdir -p "$dir"
    cp "$program" "$dir/tappon"
    case $2 in
        none) ;;
        empty) mkdir "$dir/Sound"; for name in du.WAV Ding.WAV 2.WAV Gun.WAV; do : >"$dir/Sound/$name"; done ;;
        corrupt) mkdir "$dir/Sound"
                 for name in du.WAV Ding.WAV 2.WAV Gun.WAV; do head -c 4096 /dev/urandom >"$dir/Sound/$name"; done
                 # One of them a WAV header whose sizes lie.
                 printf 'RIFF\xff\xff\xff\x7fWAVEfmt \x10\x00\x00\x00\x01\x00\x02\x00\x44\xac\x00\x00\x10\xb1\x02\x00\x04\x00\x10\x00data\xff\xff\xff\x7f' >"$dir/Sound/Ding.WAV" ;;
        good) cp -r "$sounds" "$dir/Sound" ;;
    esac
    echo "$dir/tappon"
}

# Plays one short game of the program $2; $3 (optional) runs in the middle of it.
play_case() {
    local what=$1 copy=$2 midgame=${3:-}
    echo "== $what"
    game_launch "$copy" "$E2E_TMP/$what.log" || { fail_case "$what" "no main window"; return; }
    game_title_moves 2 || fail_case "$what" "the title banner stands still before the game"
    game_start "0.1"
    # Keys all through the game, so that hits play their effect while things go wrong.
    xdotool type --delay 40 "$letters$letters" &
    local typist=$!
    [ -n "$midgame" ] && $midgame
    wait "$typist"
    kill -0 "$GAME_PID" 2>/dev/null || { fail_case "$what" "the program ended during the game"; cat "$E2E_TMP/$what.log"; return; }
    game_title_moves 2 || fail_case "$what" "the title banner stands still during the game"
    local verdict
    verdict=$(game_wait_verdict 9) || { fail_case "$what" "no verdict: the game clock stopped"; return; }
    echo "verdict: $(e2e_title "$verdict")"
    game_close_verdict "$verdict" || fail_case "$what" "the verdict did not close"
    game_title_moves 2 || fail_case "$what" "the title banner stands still after the game"
    game_exit_via_menu || { fail_case "$what" "the exit item did not end the program"; return; }
    [ "$GAME_STATUS" = 0 ] || { fail_case "$what" "exit status $GAME_STATUS"; cat "$E2E_TMP/$what.log"; }
}

pulse_start "$E2E_TMP/pulseaudio.log" || e2e_skip "pulseaudio could not start: $(cat "$E2E_TMP/pulseaudio.log")"
play_case "no Sound folder" "$(lay_out nofolder none)"
play_case "empty WAV files" "$(lay_out empty empty)"
play_case "corrupt WAV files" "$(lay_out corrupt corrupt)"

kill_server() { sleep 0.8; pulse_kill; echo "server killed"; }
play_case "the audio server killed during a game" "$(lay_out killed good)" kill_server

pulse_unreachable
play_case "no audio server" "$(lay_out noserver good)"

[ "$failures" -eq 0 ] || exit 1
echo "PASSED"
