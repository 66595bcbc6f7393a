#!/usr/bin/python3
"""Prints what a screen reader finds in a running Rollwright: the role and
name of every accessible object, and the labels that name the lists."""
import sys
import time

import pyatspi


def find_app(name, seconds=90):
    """The application once its main window is on the bus with its controls:
    a slow machine registers the application well before its window."""
    deadline = time.time() + seconds
    while time.time() < deadline:
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


def walk(node, depth=0):
    try:
        role = node.getRoleName()
        name = node.name
        states = node.getState()
        showing = states.contains(pyatspi.STATE_SHOWING)
        labels = [t.name for r in node.getRelationSet()
                  if r.getRelationType() == pyatspi.RELATION_LABELLED_BY
                  for t in (r.getTarget(i) for i in range(r.getNTargets()))]
    except Exception as error:  # a window closing while we read it
        print("  " * depth + f"<gone: {error}>")
        return
    if showing or depth < 2:
        extra = f"  labelled by {labels}" if labels else ""
        print("  " * depth + f"{role}: {name!r}{extra}")
    for child in node:
        if child is not None:
            walk(child, depth + 1)


app = find_app(sys.argv[1] if len(sys.argv) > 1 else "rollwright")
if app is None:
    sys.exit("no such application on the accessibility bus")
walk(app)
