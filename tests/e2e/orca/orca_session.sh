# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tappon developers
# shellcheck shell=bash
# Shared by the screen reader tests: the real Orca on the test's X server, speaking
# through a speech-dispatcher of the test's own whose only voice writes every utterance
# to $E2E_TMP/spoken.txt, one line each. Source it after x11_session.sh; orca_start
# starts X, the buses, speech-dispatcher and Orca.
#
# Nothing of the user's is touched: the session bus (and the accessibility bus it
# starts), the home, the settings and the runtime folder are the test's. Orca allows one
# instance per user, though, and its --replace kills every other one of the user's, the
# user's own screen reader too; so a test skips while another Orca runs, unless
# TAPPON_E2E_ORCA_REPLACE=1 lets it replace that one.
#
# TAPPON_E2E_SPEECH_MS_PER_CHAR makes each utterance take that long per character to
# "speak" (0, the default: no time at all), so that a test can see which utterances a
# later one cuts short: $E2E_TMP/speech-timeline.txt then has a "start" line for each
# and an "end" line for those spoken to the end.

[ -x /usr/bin/python3 ] || e2e_skip "/usr/bin/python3 is missing"
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || e2e_skip "pyatspi is not installed (python3-pyatspi gir1.2-atspi-2.0)"
/usr/bin/python3 -c 'import speechd' 2>/dev/null || e2e_skip "python3-speechd is not installed"
for tool in orca speech-dispatcher dbus-daemon; do
    command -v "$tool" >/dev/null || e2e_skip "$tool is not installed"
done
ORCA_SD_MODULES=/usr/lib/speech-dispatcher-modules
[ -x "$ORCA_SD_MODULES/sd_generic" ] || e2e_skip "speech-dispatcher's generic module is missing"

ORCA_SPOKEN=$E2E_TMP/spoken.txt
ORCA_DEBUG=$E2E_TMP/orca-debug.txt

# Writes speech-dispatcher's configuration to $1: the generic module alone, its command
# the recorder below. The module quotes the text for a shell command in single quotes
# ('\'' for a quote) and recodes it to the charset of its language: UTF-8 for every
# language Orca may ask for (Orca 48 in the C locale asks for "C", which arrives as "c"),
# or it falls back to ISO 8859-1 and Chinese is lost. Without
# GenericDelimiters it would cut an utterance at every ". " into commands of their own.
orca_speechd_config() {
    local dir=$1
    mkdir -p "$dir/modules"
    cat >"$dir/speechd.conf" <<EOF
LogLevel 3
LogDir "$E2E_TMP/speechd-log"
DefaultModule "generic"
AddModule "generic" "sd_generic" "generic.conf"
DefaultLanguage "en"
# The module must open an audio output even though it plays nothing itself: ALSA's
# null device is there without a sound card or a sound server.
AudioOutputMethod "alsa"
AudioALSADevice "null"
DisableAutoSpawn
EOF
    cat >"$dir/modules/generic.conf" <<EOF
GenericExecuteSynth "$E2E_TMP/speech-recorder '\$DATA'"
GenericMaxChunkLength 100000
GenericDelimiters "$(printf '\001')"
AddVoice "en" "MALE1" "recorder"
DefaultVoice "recorder"
EOF
    local lang
    for lang in en en-US en-GB en-us en-gb zh zh-CN zh-TW C c; do
        echo "GenericLanguage \"$lang\" \"$lang\" \"utf-8\"" >>"$dir/modules/generic.conf"
    done
    cat >"$E2E_TMP/speech-recorder" <<EOF
#!/bin/sh
# One line an utterance: the lines of a text are joined by blanks.
text=\$(printf '%s' "\$1" | tr '\n' ' ')
printf '%s\n' "\$text" >>"$ORCA_SPOKEN"
ms=\${TAPPON_E2E_SPEECH_MS_PER_CHAR:-0}
[ "\$ms" -gt 0 ] || exit 0
printf 'start %s %s\n' "\$(date +%s.%N)" "\$text" >>"$E2E_TMP/speech-timeline.txt"
sleep "\$(awk -v n="\${#text}" -v ms="\$ms" 'BEGIN { print n * ms / 1000 }')"
printf 'end %s %s\n' "\$(date +%s.%N)" "\$text" >>"$E2E_TMP/speech-timeline.txt"
EOF
    chmod +x "$E2E_TMP/speech-recorder"
}

# Writes Orca's settings to directory $1. Without them Orca takes its defaults (speech
# on, through speech-dispatcher) and writes them there itself; it shows no setup dialog
# unless asked to (-s). Written here so that what it starts with is plain to see.
orca_settings() {
    mkdir -p "$1"
    cat >"$1/user-settings.conf" <<'EOF'
{
    "general": {
        "enableSpeech": true,
        "speechServerFactory": "speechdispatcherfactory",
        "speechServerInfo": null,
        "enableBraille": false,
        "enableSound": false,
        "enableTutorialMessages": false,
        "enableMnemonicSpeaking": false,
        "startingProfile": ["Default", "default"],
        "activeProfile": ["Default", "default"],
        "profile": ["Default", "default"]
    },
    "keybindings": {},
    "pronunciations": {},
    "profiles": {
        "default": {
            "profile": ["Default", "default"]
        }
    }
}
EOF
    # Orca's own hook for the user's Python code, run as it loads the settings. Its debug
    # file is written through a buffer and would only be complete once Orca has ended.
    cat >"$1/orca-customizations.py" <<'EOF'
from orca import debug
if debug.debugFile is not None:
    debug.debugFile.reconfigure(line_buffering=True)
EOF
}

# Prints the ids of the Orca processes of this user (as Orca itself finds them).
orca_others() { pgrep -u "$(id -u)" -x orca || true; }

# Starts X, a session bus, speech-dispatcher and Orca, and waits until Orca has spoken
# its welcome.
orca_start() {
    local replace=()
    if [ -n "$(orca_others)" ]; then
        [ "${TAPPON_E2E_ORCA_REPLACE:-0}" = 1 ] || e2e_skip "Orca runs already (pid $(orca_others | tr '\n' ' '))"
        replace=(--replace)
    fi
    e2e_start_x
    # Xvfb resets itself whenever its last client leaves, dropping anyone connecting at
    # that moment; the accessibility bus's helpers come and go early on. Stay connected.
    xprop -root -spy >/dev/null 2>&1 &
    E2E_PIDS+=($!)

    export HOME=$E2E_TMP/orca-home
    export XDG_CONFIG_HOME=$HOME/.config XDG_DATA_HOME=$HOME/.local/share XDG_CACHE_HOME=$HOME/.cache
    export XDG_RUNTIME_DIR=$E2E_TMP/orca-runtime
    mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$E2E_TMP/speechd-log"
    mkdir -p "$XDG_RUNTIME_DIR"
    chmod 700 "$XDG_RUNTIME_DIR"
    # A UTF-8 locale, as a desktop session has: speech-dispatcher's generic module (0.12)
    # recodes the text to the locale's charset, and Chinese would be lost in ASCII.
    export LC_ALL=C.UTF-8
    # Orca turns the desktop's accessibility setting on: in memory, not in a dconf file.
    export GSETTINGS_BACKEND=memory
    export NO_AT_BRIDGE=0 GTK_A11Y=none
    : >"$ORCA_SPOKEN"

    # The session bus: the accessibility bus is started through it when first asked for.
    local bus
    bus=$(dbus-daemon --session --fork --nopidfile --print-address=1 --print-pid=1) \
        || e2e_fail "no session bus"
    E2E_PIDS+=("$(sed -n 2p <<<"$bus")")
    DBUS_SESSION_BUS_ADDRESS=$(sed -n 1p <<<"$bus")
    export DBUS_SESSION_BUS_ADDRESS

    # speech-dispatcher, at the socket every client of this session looks for first;
    # SPEECHD_ADDRESS says it again, and nothing may start another (DisableAutoSpawn).
    orca_speechd_config "$E2E_TMP/speechd"
    local socket=$XDG_RUNTIME_DIR/speech-dispatcher/speechd.sock
    mkdir -p "$(dirname "$socket")"
    export SPEECHD_ADDRESS=unix_socket:$socket
    speech-dispatcher --run-single --timeout 0 --config-dir "$E2E_TMP/speechd" \
        --module-dir "$ORCA_SD_MODULES" --communication-method unix_socket --socket-path "$socket" \
        --pid-file "$E2E_TMP/speechd.pid" >"$E2E_TMP/speechd.log" 2>&1 &
    E2E_PIDS+=($!)
    local sd=$!
    for _ in $(seq 100); do
        [ -S "$socket" ] && break
        kill -0 "$sd" 2>/dev/null || break
        sleep 0.05
    done
    [ -S "$socket" ] || e2e_fail "speech-dispatcher did not start: $(tail -n 5 "$E2E_TMP/speechd.log" "$E2E_TMP"/speechd-log/*)"

    orca_settings "$E2E_TMP/orca-prefs"
    orca "${replace[@]}" --user-prefs "$E2E_TMP/orca-prefs" --debug-file "$ORCA_DEBUG" \
        >"$E2E_TMP/orca.log" 2>&1 &
    E2E_PIDS+=($!)
    ORCA_PID=$!
    # Ready once it has said so: its welcome is the first thing it speaks.
    for _ in $(seq 300); do
        [ -s "$ORCA_SPOKEN" ] && break
        kill -0 "$ORCA_PID" 2>/dev/null || e2e_fail "Orca ended: $(tail -n 20 "$E2E_TMP/orca.log")"
        sleep 0.05
    done
    [ -s "$ORCA_SPOKEN" ] || e2e_fail "Orca said nothing within 15 s: $(tail -n 20 "$E2E_TMP/orca.log")"
    orca_wait_quiet 0.8 10
}

# Starts program $1 (further arguments are its own) with accessibility on; sets
# PROGRAM_PID for the caller. Its output goes to $E2E_TMP/program.log.
orca_start_program() {
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 "$@" >"$E2E_TMP/program.log" 2>&1 &
    E2E_PIDS+=($!)
    # shellcheck disable=SC2034 # for the caller
    PROGRAM_PID=$!
}

# Presses keys (xdotool's names: Tab shift+Tab F1 ctrl+p) in the window $1.
orca_keys() {
    local wid=$1
    shift
    xdotool windowfocus --sync "$wid" 2>/dev/null || xdotool windowfocus "$wid"
    xdotool key --clearmodifiers --delay 80 "$@"
}

# Prints a mark for orca_spoken_since: how many utterances have been spoken so far.
orca_mark() { wc -l <"$ORCA_SPOKEN"; }

# Prints the utterances spoken after mark $1.
orca_spoken_since() { tail -n +"$(( $1 + 1 ))" "$ORCA_SPOKEN"; }

# Waits until nothing new has been spoken for $1 seconds (0.8 by default), at most $2
# seconds (10 by default).
orca_wait_quiet() {
    local quiet=${1:-0.8} most=${2:-10} last now deadline size
    deadline=$(( $(date +%s%N) + ${most%.*} * 1000000000 ))
    last=$(date +%s%N)
    size=$(stat -c %s "$ORCA_SPOKEN")
    while now=$(date +%s%N); [ "$now" -lt "$deadline" ]; do
        if [ "$(stat -c %s "$ORCA_SPOKEN")" != "$size" ]; then
            size=$(stat -c %s "$ORCA_SPOKEN")
            last=$now
        elif [ $(( now - last )) -ge "$(awk -v s="$quiet" 'BEGIN { printf "%d", s * 1000000000 }')" ]; then
            return 0
        fi
        sleep 0.05
    done
}

# Prints what Orca's debug file says it spoke, one utterance a line, from line $1 of the
# file on (1 by default): "SPEECH OUTPUT: 'text'", followed by the voice ({...}) or not.
orca_debug_spoken() {
    tail -n +"${1:-1}" "$ORCA_DEBUG" | sed -n "s/^.* - SPEECH OUTPUT: '\(.*\)' \{0,1\}\({.*}\)\{0,1\}$/\1/p"
}

# Prints a mark for orca_debug_spoken: the next line of the debug file.
orca_debug_mark() { echo $(( $(wc -l <"$ORCA_DEBUG") + 1 )); }
