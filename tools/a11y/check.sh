#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Starts Rollwright under Xvfb with accessibility on and runs a script that
# reads it over AT-SPI: by default tree.py, which prints the tree a screen
# reader sees. Needs xvfb, xdotool, dbus-x11, at-spi2-core and python3-pyatspi.
#   tools/a11y/check.sh build/bin/rollwright [SCRIPT [ARGUMENTS...]]
# The script gets the program's name first; it can import reader.py from here.
set -euo pipefail
program=${1:?usage: check.sh PROGRAM [SCRIPT [ARGUMENTS...]]}
here=$(cd "$(dirname "$0")" && pwd)
script=${2:-$here/tree.py}
shift $(($# < 2 ? $# : 2))
exec dbus-run-session -- xvfb-run -a env PYTHONPATH="$here" bash -c '
    program=$1 script=$2
    shift 2
    /usr/libexec/at-spi-bus-launcher --launch-immediately &
    sleep 1
    QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" &
    app=$!
    status=0
    A11Y_PROGRAM_PID=$app /usr/bin/python3 "$script" "$(basename "$program")" "$@" || status=$?
    kill $app
    exit $status
' bash "$program" "$script" "$@"
