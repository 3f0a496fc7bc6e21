#!/usr/bin/python3
"""Starts a program and finds its window on the accessibility bus, as a screen
reader finds it: in the program's application whose toolkit is Qt. Under
GNOME's platform theme Qt loads GTK, whose own bridge puts a second, empty
application of the same process on the bus; a reader that took the first
application of the process could find nothing in it.

Passes (exit 0) once that application holds a frame titled TITLE and, in it,
every CONTROL, each given as ROLE:NAME (AT-SPI's role name, the accessible
name); fails (exit 1) after a while, showing what it found. The program is
ended either way. Needs a session bus with the accessibility bus on it
(dbus-run-session gives one) and the program's display in the environment.

Usage: accessible_window.py PROGRAM TITLE CONTROL...
"""
import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

PATIENCE = 20  # seconds


def applications_of(pid):
    desktop = Atspi.get_desktop(0)
    apps = (desktop.get_child_at_index(i) for i in range(desktop.get_child_count()))
    return [app for app in apps if app is not None and app.get_process_id() == pid]


def descendants(node):
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child is not None:
            yield child
            yield from descendants(child)


def missing_in(app, title, controls):
    """What is not yet found in the application: the frame or some controls."""
    frames = [f for f in descendants(app) if f.get_role_name() == "frame" and f.get_name() == title]
    if not frames:
        return [f"frame:{title}"]
    found = {f"{n.get_role_name()}:{n.get_name()}" for n in descendants(frames[0])}
    return [c for c in controls if c not in found]


def main():
    if len(sys.argv) < 4:
        sys.exit(__doc__.split("\n\n")[-1])
    program, title, controls = sys.argv[1], sys.argv[2], sys.argv[3:]
    child = subprocess.Popen([program])
    try:
        deadline = time.monotonic() + PATIENCE
        seen, missing = [], [f"an application of process {child.pid} whose toolkit is Qt"]
        while time.monotonic() < deadline and child.poll() is None:
            apps = applications_of(child.pid)
            seen = [f"{a.get_toolkit_name()} ({a.get_child_count()} children)" for a in apps]
            qt = [a for a in apps if a.get_toolkit_name() == "Qt"]
            if qt:
                missing = missing_in(qt[0], title, controls)
                if not missing:
                    print(f"accessible_window: process {child.pid} has {len(apps)} applications "
                          f"on the bus: {', '.join(seen)}; Qt's holds {title} and its controls")
                    return 0
            time.sleep(0.2)
        print(f"accessible_window: process {child.pid} has on the bus: {', '.join(seen) or 'nothing'}; "
              f"missing: {', '.join(missing)}", file=sys.stderr)
        return 1
    finally:
        child.terminate()
        try:
            child.wait(10)
        except subprocess.TimeoutExpired:
            child.kill()
            child.wait()


if __name__ == "__main__":
    sys.exit(main())
