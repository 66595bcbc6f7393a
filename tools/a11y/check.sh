#!/usr/bin/env bash
# Starts Rollwright under Xvfb with accessibility on and prints the tree a
# screen reader sees. Needs xvfb, dbus-x11, at-spi2-core and python3-pyatspi.
#   tools/a11y/check.sh build/bin/rollwright
set -euo pipefail
program=${1:?usage: check.sh PROGRAM}
here=$(cd "$(dirname "$0")" && pwd)
exec dbus-run-session -- xvfb-run -a bash -c '
    /usr/libexec/at-spi-bus-launcher --launch-immediately &
    sleep 1
    QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$0" &
    app=$!
    /usr/bin/python3 "$1/tree.py" "$(basename "$0")"
    kill $app
' "$program" "$here"
