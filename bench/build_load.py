# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tappon developers
"""A machine loaded the way a developer's is: the project built again and again with
four jobs in a folder of its own, in a session of its own (as a build in a terminal
would be beside a game started from the desktop), for as long as the block runs."""

import contextlib
import os
import shutil
import signal
import subprocess
import tempfile
import time

from proc_stats import load_averages


@contextlib.contextmanager
def parallel_build(source_dir, jobs=4):
    folder = tempfile.mkdtemp(prefix="tappon-load.")
    build = os.path.join(folder, "build")
    # No compiler cache: the load is the compiler's.
    script = ('while :; do rm -rf "$1"; cmake -S "$2" -B "$1" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo '
              '>/dev/null && cmake --build "$1" -j%d >/dev/null 2>&1; done' % jobs)
    proc = subprocess.Popen(["/bin/sh", "-c", script, "load", build, source_dir],
                            env=dict(os.environ, CCACHE_DISABLE="1"), start_new_session=True,
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    loads = []
    try:
        # The compilers take a few seconds to fill the cores.
        time.sleep(20)
        loads.append(load_averages()[0])
        yield loads
        loads.append(load_averages()[0])
    finally:
        os.killpg(proc.pid, signal.SIGTERM)
        proc.wait()
        shutil.rmtree(folder, ignore_errors=True)
