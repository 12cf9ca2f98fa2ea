# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tappon developers
"""The benchmark's own session: an Xvfb display, a PulseAudio server with a null sink,
the environment the programs run in, and stopping it all again."""

import os
import subprocess
import time
import wave


def start_xvfb(first_number):
    """Starts Xvfb on the first free display from first_number on and waits for its
    socket. Returns the process and the display name."""
    number = next(n for n in range(first_number, 200) if not os.path.exists("/tmp/.X%d-lock" % n))
    display = ":%d" % number
    xvfb = subprocess.Popen(["Xvfb", display, "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
                            stderr=subprocess.DEVNULL)
    for _ in range(100):
        if os.path.exists("/tmp/.X11-unix/X%d" % number):
            break
        time.sleep(0.05)
    return xvfb, display


def session_env(work, display, pulse_server=None):
    """The programs' environment: the display, a home and a runtime folder under work,
    and the sound server pulse_server, or the one in the runtime folder when None."""
    env = dict(os.environ, DISPLAY=display, XDG_RUNTIME_DIR=os.path.join(work, "runtime"),
               HOME=os.path.join(work, "home"))
    if pulse_server is None:
        env.pop("PULSE_SERVER", None)
    else:
        env["PULSE_SERVER"] = pulse_server
    env.pop("QT_QPA_PLATFORM", None)
    os.makedirs(env["XDG_RUNTIME_DIR"], mode=0o700)
    os.makedirs(env["HOME"])
    return env


def effects_rate(binary):
    # The sound effects beside the program all share one sample rate.
    with wave.open(os.path.join(os.path.dirname(binary), "Sound", "Ding.WAV")) as wf:
        return wf.getframerate()


def start_pulseaudio(env, rate, log_path, sink="bench_null"):
    """A sound server of env's runtime folder with a null sink at rate; returns once
    it answers."""
    pulse = subprocess.Popen(["pulseaudio", "--daemonize=no", "--exit-idle-time=-1", "-n", "--log-target=stderr",
                              "-L", "module-native-protocol-unix",
                              "-L", "module-null-sink sink_name=%s rate=%d" % (sink, rate)],
                             env=env, stderr=open(log_path, "w"))
    for _ in range(50):
        if subprocess.run(["pactl", "info"], env=env, capture_output=True).returncode == 0:
            break
        time.sleep(0.1)
    return pulse


def stop_all(procs):
    # The last started first: the sound server before the display.
    for p in reversed(procs):
        p.terminate()
        try:
            p.wait(5)
        except subprocess.TimeoutExpired:
            p.kill()
