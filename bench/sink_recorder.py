# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tappon developers
"""The recording of the null sink's monitor, placed on CLOCK_MONOTONIC as tests/sound
does it (the earliest "block arrival minus the time its samples span"), and the onsets
of the sounds in it."""

import os
import subprocess
import threading
import time
from array import array

LEVEL = 0.01  # audible: above -40 dBFS


class Recorder(threading.Thread):
    """Records the null sink's monitor for the whole run."""

    def __init__(self, monitor, rate):
        super().__init__(daemon=True)
        self.rate = rate
        self.data = bytearray()
        self.offset_ns = None
        self.stopping = False
        self.proc = subprocess.Popen(["parec", "-d", monitor, "--raw", "--format=s16le", "--rate=%d" % rate,
                                      "--channels=2", "--latency-msec=5"], stdout=subprocess.PIPE)

    def run(self):
        fd = self.proc.stdout.fileno()
        os.set_blocking(fd, False)
        while not self.stopping:
            try:
                block = os.read(fd, 65536)
            except BlockingIOError:
                block = b""
            t = time.monotonic_ns()
            if block:
                self.data += block
                bound = t - (len(self.data) // 4) * 1_000_000_000 // self.rate
                self.offset_ns = bound if self.offset_ns is None else min(self.offset_ns, bound)
            elif self.proc.poll() is not None:
                break
            else:
                time.sleep(0.001)

    def stop(self):
        self.stopping = True
        self.join(2)
        self.proc.terminate()
        self.proc.wait()
        pcm = array("h", bytes(self.data[:len(self.data) // 4 * 4]))
        return [max(abs(pcm[i]), abs(pcm[i + 1])) / 32768.0 for i in range(0, len(pcm), 2)]

    def onsets(self, samples, requests_ns, window_ms=300, before_ms=20, quiet_ms=2):
        # Per request, milliseconds from it to the sound's first audible sample after a
        # quiet moment, or None when none came. The recording's place on the program's
        # clock is known only to a few milliseconds (the null sink renders ahead of real
        # time by its latency), so the search starts a little before the request and an
        # onset can come out slightly negative.
        out = []
        quiet = quiet_ms * self.rate // 1000
        for t in requests_ns:
            asked = int((t - self.offset_ns) * self.rate / 1e9)
            begin = max(asked - before_ms * self.rate // 1000, quiet)
            end = min(len(samples), asked + window_ms * self.rate // 1000)
            first, quiet_run = None, 0
            for n in range(begin - quiet, end):
                if samples[n] <= LEVEL:
                    quiet_run += 1
                elif quiet_run >= quiet and n >= begin:
                    first = n
                    break
                else:
                    quiet_run = 0
            out.append(None if first is None else (first - asked) * 1000.0 / self.rate)
        return out
