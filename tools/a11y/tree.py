#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Prints what a screen reader finds in a running Rollwright: the role and
name of every accessible object, and the labels that name it."""
import sys

from reader import find_app, labels, showing


def walk(node, depth=0):
    try:
        role = node.getRoleName()
        name = node.name
        shown = showing(node)
        found = labels(node)
    except Exception as error:  # a window closing while we read it
        print("  " * depth + f"<gone: {error}>")
        return
    if shown or depth < 2:
        extra = f"  labelled by {found}" if found else ""
        print("  " * depth + f"{role}: {name!r}{extra}")
    for child in node:
        if child is not None:
            walk(child, depth + 1)


app = find_app(sys.argv[1] if len(sys.argv) > 1 else "rollwright")
if app is None:
    sys.exit("no such application on the accessibility bus")
walk(app)
