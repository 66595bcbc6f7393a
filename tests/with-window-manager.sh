#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs a test program on a virtual X display under a real window manager, so
# that its windows get frames as on a desktop. The program starts only once
# the window manager holds the screen: it never runs unframed, and a window
# manager that does not come up fails the test with its own output.
#   with-window-manager.sh openbox|twm PROGRAM [ARGS...]
set -uo pipefail
wm=$1
shift
for tool in Xvfb xauth mcookie xwininfo xprop "$wm"; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIPPED: $tool is missing (tools/bootstrap installs it)"
        exit 77
    fi
done

# Generous bounds: on a loaded machine a server or a window manager may take
# many seconds to start, and the wait ends as soon as they are up.
startBound=60
programBound=150

work=$(mktemp -d)
pids=()
finish() {
    for pid in "${pids[@]}"; do
        kill "$pid" 2>/dev/null
    done
    wait 2>/dev/null
    rm -rf "$work"
}
trap finish EXIT

fail() {
    echo "FAILED: $1" >&2
    for log in "$work"/*.log; do
        [[ -s $log ]] && { echo "--- ${log##*/}" >&2; cat "$log" >&2; }
    done
    exit 1
}

# Waits until the command succeeds, while the process given runs and for at
# most the bound; says why not otherwise.
waitFor() {
    local what=$1 pid=$2
    shift 2
    local deadline=$((SECONDS + startBound))
    until "$@"; do
        if ! kill -0 "$pid" 2>/dev/null; then
            why="$what ended before it was ready"
            return 1
        fi
        if ((SECONDS >= deadline)); then
            why="$what was not ready within $startBound s"
            return 1
        fi
        sleep 0.1
    done
}

# A display of its own, with a fresh cookie that keeps other users' programs
# off it. The server says its number once it accepts connections. The number
# is drawn at random, far above the ones xvfb-run and other servers start
# from, so that servers started at the same moment (ctest -j, other users on
# the machine) do not race for one; drawn again if taken.
export XAUTHORITY=$work/Xauthority
cookie=$(mcookie)
: >"$XAUTHORITY"
hasDisplay() { [[ $(<"$work/display") =~ ^[0-9]+$ ]]; }
for attempt in 1 2 3 4 5; do
    server=
    number=$((1000 + RANDOM % 20000))
    [[ -e /tmp/.X$number-lock || -e /tmp/.X11-unix/X$number ]] && continue
    xauth -q -f "$XAUTHORITY" add ":$number" . "$cookie"
    : >"$work/display"
    Xvfb ":$number" -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset \
        -auth "$XAUTHORITY" 3>"$work/display" >"$work/Xvfb.log" 2>&1 &
    server=$!
    pids+=("$server")
    waitFor Xvfb "$server" hasDisplay && break
    kill "$server" 2>/dev/null
    echo "Xvfb on :$number: $why; trying another display" >&2
    server=
done
[[ -n ${server:-} ]] || fail "no display could be started"
export DISPLAY=:$number

config=$work/twmrc
# twm would let the user place each new window with the mouse.
{ cat /etc/X11/twm/system.twmrc 2>/dev/null; printf 'UsePPosition "on"\nRandomPlacement\n'; } >"$config"
case $wm in
twm) twm -f "$config" >"$work/$wm.log" 2>&1 & ;;
*) "$wm" >"$work/$wm.log" 2>&1 & ;;
esac
manager=$!
pids+=("$manager")

# A window manager holds the screen once it redirects the root window's
# children to itself; from then on every window mapped goes through it. One
# that speaks EWMH, as openbox does, has also said what it supports
# (_NET_SUPPORTED, which the program reads for a window's frame) once its
# check window is up.
redirected() { xwininfo -root -events 2>/dev/null | grep -q SubstructureRedirect; }
ewmhReady() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"; }
waitFor "$wm" "$manager" redirected || fail "$why"
if [[ $wm != twm ]]; then
    waitFor "$wm" "$manager" ewmhReady || fail "$why"
fi

QT_QPA_PLATFORM=xcb timeout -k 5 "$programBound" "$@"
status=$?
((status == 124)) && echo "FAILED: $* still ran after $programBound s" >&2
kill -0 "$manager" 2>/dev/null || fail "$wm ended while the test ran"
exit $status
