#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs Orca (/usr/bin/orca, with the arguments given) for the Orca test, with
# the changes that a test on a busy or shared machine needs: its debug log is
# written a line at a time, so that each spoken line can be waited for as it
# comes, rather than when Orca's buffer fills or Orca ends; the log says when
# Orca has dealt with every event it took in ("ORCA TEST: idle"), so that the
# next key waits for that; and it starts beside any other Orca of this user,
# which it otherwise refuses to do, though this one has a bus of its own.
import builtins
import sys

debug_file = sys.argv[sys.argv.index("--debug-file") + 1]
plain_open = builtins.open


def open_by_lines(file, mode="r", buffering=-1, *args, **kwargs):
    if file == debug_file and "w" in mode:
        buffering = 1
    return plain_open(file, mode, buffering, *args, **kwargs)


builtins.open = open_by_lines
program = {"__name__": "orca_launcher", "__file__": "/usr/bin/orca"}
with plain_open("/usr/bin/orca") as source:
    exec(compile(source.read(), "/usr/bin/orca", "exec"), program)
program["otherOrcas"] = lambda: []

from orca import debug, event_manager  # noqa: E402 (the path is Orca's own, set above)

dequeue = event_manager.EventManager._dequeue


def dequeue_and_tell(self):
    rerun = dequeue(self)
    if self._eventQueue.empty():
        debug.println(debug.LEVEL_SEVERE, "ORCA TEST: idle", True)
    return rerun


event_manager.EventManager._dequeue = dequeue_and_tell
sys.argv[0] = "orca"
sys.exit(program["main"]())
