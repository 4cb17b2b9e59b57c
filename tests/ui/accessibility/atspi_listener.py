#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Listens on the accessibility bus as a screen reader does and writes down,
# one line each, the focus changes and name changes it would speak:
# event type, role and the name the object has when the reader asks for it.
import sys

import pyatspi
from gi.repository import GLib

out = open(sys.argv[1], "w", buffering=1)


def heard(event):
    try:
        source = event.source
        if event.type.startswith("object:state-changed:focused") and not event.detail1:
            return
        out.write("%s\t%s\t%s\n" % (event.type, source.getRoleName(), source.name))
    except Exception as error:  # an object gone meanwhile
        out.write("gone\t\t%s\n" % error)


pyatspi.Registry.registerEventListener(heard, "object:property-change:accessible-name",
                                       "object:state-changed:focused")
GLib.timeout_add_seconds(int(sys.argv[2]), lambda: pyatspi.Registry.stop())
out.write("listening\n")
pyatspi.Registry.start()
