# SPDX-License-Identifier: MIT
"""What a screen reader finds in a running program over AT-SPI, and a
keyboard to drive it with (xdotool). Used by the scripts beside it."""
import os
import subprocess
import time

import pyatspi
from gi.repository import GLib


def running():
    """Whether the program check.sh started is still running."""
    pid = os.environ.get("A11Y_PROGRAM_PID")
    if pid is None:
        return True
    try:
        with open(f"/proc/{pid}/stat") as stat:
            return stat.read().rsplit(")", 1)[1].split()[0] != "Z"
    except OSError:
        return False


def find_app(name, seconds=90):
    """The application once its main window is on the bus with its controls:
    a slow machine registers the application well before its window. None at
    once when the program has ended."""
    deadline = time.time() + seconds
    while time.time() < deadline and running():
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            try:
                if app is not None and app.name.lower() == name.lower() \
                        and app.childCount > 0 and app[0].childCount > 0:
                    return app
            except Exception:  # not ready to answer yet
                pass
        time.sleep(0.2)
    return None


def labels(node):
    """The names of the objects that label this one."""
    return [t.name for r in node.getRelationSet()
            if r.getRelationType() == pyatspi.RELATION_LABELLED_BY
            for t in (r.getTarget(i) for i in range(r.getNTargets()))]


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def text_of(node):
    """The text a text object holds, or None for other objects."""
    try:
        return node.queryText().getText(0, -1)
    except NotImplementedError:
        return None


def value_of(node):
    """What a screen reader reads as the current value: the text of a text
    object, or of the edit part of an editable list."""
    if node.getRole() == pyatspi.ROLE_COMBO_BOX:
        for child in node:
            if child is not None and child.getRole() == pyatspi.ROLE_TEXT:
                return text_of(child)
        return None
    return text_of(node)


def objects(node):
    """Every object below node, node first."""
    yield node
    for child in node:
        if child is not None:
            yield from objects(child)


def find(app, role, name):
    """The showing object of that role and name, or None."""
    for node in objects(app):
        try:
            if node.getRoleName() == role and node.name == name and showing(node):
                return node
        except Exception:  # gone while we looked
            pass
    return None


def focused(app):
    for node in objects(app):
        try:
            if node.getState().contains(pyatspi.STATE_FOCUSED):
                return node
        except Exception:
            pass
    return None


def heard(node):
    """One line with what a screen reader has to read at a focus stop: the
    labels, the name, the role, the value and the description."""
    if node is None:
        return "<nothing focused>"
    parts = []
    found = labels(node)
    if found:
        parts.append("labelled by " + " / ".join(found))
    parts.append(f"{node.name!r} {node.getRoleName()}")
    value = value_of(node)
    if value is not None:
        parts.append(f"value {value!r}")
    if node.description:
        parts.append(f"description {node.description!r}")
    return ", ".join(parts)


def pump():
    """Delivers the events that have arrived to their listeners."""
    context = GLib.MainContext.default()
    while context.iteration(False):
        pass


class Events:
    """The events of the given kinds (such as "focus:") as they arrive, as
    (kind, role, name, payload), oldest first. Arrive means: by the time
    pump() or wait_for() last ran."""

    def __init__(self, *kinds):
        self.seen = []
        for kind in kinds:
            pyatspi.Registry.registerEventListener(self._note, kind)

    def _note(self, event):
        try:
            self.seen.append((event.type, event.source.getRoleName(), event.source.name,
                              event.any_data))
        except Exception:  # the source went away
            pass


def wait_for(condition, seconds=5):
    """condition()'s first true answer, or its last one after the time: the
    program answers in a fraction of a second, so a longer wait only delays
    the report of a fault."""
    deadline = time.time() + seconds
    while True:
        pump()
        try:
            answer = condition()
        except Exception:  # an object went away while we asked
            answer = None
        if answer or time.time() > deadline:
            return answer
        time.sleep(0.1)


class Keyboard:
    """Keys typed into the program's window, as a user types them."""

    def __init__(self, title):
        found = subprocess.run(["xdotool", "search", "--sync", "--name", f"^{title}$"],
                               check=True, capture_output=True, text=True, timeout=60)
        self.window = found.stdout.split()[0]
        subprocess.run(["xdotool", "windowfocus", "--sync", self.window], check=True, timeout=30)

    def press(self, *keys):
        for key in keys:
            subprocess.run(["xdotool", "key", "--clearmodifiers", key], check=True, timeout=30)
            time.sleep(0.15)  # the program handles one key before the next
