# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tappon developers
# Shared by the AT-SPI tests: runs a Python test against the program in a D-Bus session
# of its own (the accessibility bus comes with it) on the test's X server. Source it
# after x11_session.sh.

[ -x /usr/bin/python3 ] || e2e_skip "/usr/bin/python3 is missing"
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || e2e_skip "pyatspi is not installed (python3-pyatspi gir1.2-atspi-2.0)"
command -v dbus-run-session >/dev/null || e2e_skip "dbus-run-session is not installed"

# atspi_run SCRIPT PROGRAM: starts X, then the script, which starts the program itself.
atspi_run() {
    local script=$1 program=$2 status=0
    e2e_start_x
    # Xvfb resets itself whenever its last client leaves, dropping anyone connecting at
    # that moment; the accessibility bus's helpers come and go early on. Stay connected.
    xprop -root -spy >/dev/null 2>&1 &
    E2E_PIDS+=($!)
    export E2E_TMP
    export PYTHONPATH="$(cd "$(dirname "$script")" && pwd)${PYTHONPATH:+:$PYTHONPATH}"
    export NO_AT_BRIDGE=0 GTK_A11Y=none
    timeout 150 dbus-run-session -- /usr/bin/python3 -u "$script" "$program" || status=$?
    if [ "$status" -ne 0 ]; then
        echo "--- program output ---"
        cat "$E2E_TMP/program.log" 2>/dev/null || true
        exit 1
    fi
}
