#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Start-up time and peak memory of Rollwright against the floor, an empty main
# window with a menu bar built the same way: from exec until the window is
# mapped and until its first paint, median of RUNS runs each, the programs
# alternated run by run on one display. Once on a bare X server, once under
# openbox and once under twm, each on a virtual display of its own.
#   bench/startup.sh BUILD_DIR [RUNS] [BASELINE_BUILD_DIR]
# With a baseline build (an older commit, say) its Rollwright joins the
# alternation, so that one run compares before and after on equal terms.
# Needs Xvfb, openbox, twm, xprop and dbus-run-session (tools/bootstrap
# installs them).
set -euo pipefail
# A desktop session has a session bus. Without one, each Qt program starts
# dbus-launch on its way up, which no user's start does; the bus's daemon
# complaining that it may not raise its file limit says nothing here.
if [[ -z ${DBUS_SESSION_BUS_ADDRESS:-} ]] && command -v dbus-run-session >/dev/null; then
    exec dbus-run-session -- "$BASH" "$0" "$@" 2> >(grep -v 'Failed to set fd limit' >&2)
fi
build=${1:?usage: startup.sh BUILD_DIR [RUNS] [BASELINE_BUILD_DIR]}
runs=${2:-15}
baseline=${3:-}

programs=(floor "$build/bin/bench_minimal_window" -- rollwright "$build/bin/rollwright")
[[ -n $baseline ]] && programs+=(-- baseline "$baseline/bin/rollwright")
for file in "$build/bin/bench_startup_probe" "$build/bin/bench_minimal_window" \
    "$build/bin/rollwright" ${baseline:+"$baseline/bin/rollwright"}; do
    [[ -x $file ]] || { echo "missing: $file (a benchmark build has it)" >&2; exit 2; }
done

work=$(mktemp -d)
server='' manager=''
stop() {
    [[ -n $manager ]] && kill "$manager" 2>/dev/null && wait "$manager" 2>/dev/null
    [[ -n $server ]] && kill "$server" 2>/dev/null && wait "$server" 2>/dev/null
    server='' manager=''
    return 0
}
trap 'stop; rm -rf "$work"' EXIT
# twm would let the user place each new window with the mouse.
{ cat /etc/X11/twm/system.twmrc 2>/dev/null; printf 'UsePPosition "on"\nRandomPlacement\n'; } \
    >"$work/twmrc"

for desktop in "bare X" openbox twm; do
    # A display of its own: the first free number, told by the server.
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
    server=$!
    for _ in $(seq 100); do [[ -s $work/display ]] && break; sleep 0.05; done
    DISPLAY=:$(head -n1 "$work/display")
    export DISPLAY
    : >"$work/display"
    case $desktop in
    openbox)
        openbox >/dev/null 2>&1 &
        manager=$!
        for _ in $(seq 100); do
            xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
            sleep 0.05
        done
        ;;
    twm)
        twm -f "$work/twmrc" >/dev/null 2>&1 &
        manager=$!
        sleep 1 # twm tells no one when it is ready
        ;;
    esac
    echo "$desktop:"
    XDG_RUNTIME_DIR=$work QT_QPA_PLATFORM=xcb "$build/bin/bench_startup_probe" "$runs" "${programs[@]}"
    echo
    stop
done
