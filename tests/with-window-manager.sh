#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs a test program on a virtual X display under a real window manager, so
# that its windows get frames as on a desktop.
#   with-window-manager.sh openbox|twm PROGRAM [ARGS...]
set -uo pipefail
wm=$1
shift
for tool in xvfb-run "$wm" xprop; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIPPED: $tool is missing (tools/bootstrap installs it)"
        exit 77
    fi
done
config=$(mktemp)
trap 'rm -f "$config"' EXIT
# twm would let the user place each new window with the mouse.
{ cat /etc/X11/twm/system.twmrc 2>/dev/null; printf 'UsePPosition "on"\nRandomPlacement\n'; } >"$config"

xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
    wm=$1 config=$2
    shift 2
    case $wm in
    twm) twm -f "$config" >/dev/null 2>&1 & ;;
    *) "$wm" >/dev/null 2>&1 & ;;
    esac
    managed=$!
    # An EWMH window manager is up once it has claimed the root window;
    # twm says nothing, and gets a second.
    if [[ $wm == twm ]]; then
        sleep 1
    else
        for _ in $(seq 200); do
            xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
            sleep 0.05
        done
        sleep 0.3
    fi
    QT_QPA_PLATFORM=xcb timeout 150 "$@"
    status=$?
    kill $managed 2>/dev/null
    exit $status
' bash "$wm" "$config" "$@"
