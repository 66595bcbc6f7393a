#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The real program asks the real Qt Assistant for help, on a display under a
# window manager (tests/with-window-manager.sh): Help > Contents shows "Rollwright
# Help"; Search for Help On... leaves one viewer window, in front, the
# keyboard in an empty field; Exit ends the program and leaves the viewer open.
#   help-viewer.sh PROGRAM ASSISTANT
set -uo pipefail
program=$1 assistant=$2
for tool in xdotool xclip; do
    command -v $tool >/dev/null || { echo "SKIPPED: $tool is missing (tools/bootstrap installs it)"; exit 77; }
done
[[ -x $assistant ]] || { echo "SKIPPED: $assistant is missing (assistant-qt6)"; exit 77; }
work=$(mktemp -d)
# Assistant keeps its copy of the collection and its settings here.
export XDG_DATA_HOME=$work/data XDG_CONFIG_HOME=$work/config XDG_CACHE_HOME=$work/cache
viewer=
finish() {
    [[ -n $viewer ]] && kill "$(xdotool getwindowpid "$viewer" 2>/dev/null)" 2>/dev/null
    kill "$rollwright" 2>/dev/null
    rm -rf "$work"
}
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
# Keys go to the main window, brought to the front first.
keys() {
    xdotool windowactivate --sync "$main" && sleep 0.3 && xdotool key --delay 100 "$@"
}
viewers() { xdotool search --onlyvisible --name '^Rollwright Help$' 2>/dev/null; }

"$program" &
rollwright=$!
trap finish EXIT
main=$(timeout 20 xdotool search --sync --onlyvisible --limit 1 --name '^Rollwright$') || fail "no main window"

keys alt+h c
viewer=$(timeout 20 xdotool search --sync --onlyvisible --limit 1 --name '^Rollwright Help$') ||
    fail "Help > Contents shows no window \"Rollwright Help\""
sleep 1
[[ $(xdotool getactivewindow) == "$viewer" ]] || fail "the viewer is not in front after Contents"

keys alt+h s
sleep 1.5
[[ $(viewers | wc -l) -eq 1 ]] || fail "a second request opened another viewer window"
[[ $(xdotool getactivewindow) == "$viewer" ]] || fail "the viewer is not in front after Search"
# What is typed lands in an empty field: selecting all of it copies just that.
xdotool type --delay 50 zq && xdotool key ctrl+a ctrl+c && sleep 0.5
[[ $(xclip -o -selection clipboard 2>/dev/null) == zq ]] ||
    fail "Search does not leave the keyboard in an empty field: $(xclip -o -selection clipboard 2>&1)"

keys alt+x
for _ in $(seq 50); do kill -0 "$rollwright" 2>/dev/null || break; sleep 0.1; done
kill -0 "$rollwright" 2>/dev/null && fail "Exit did not end the program"
sleep 0.5
[[ $(viewers | wc -l) -eq 1 ]] || fail "the viewer did not outlive the program"
echo "Contents and Search reach one viewer, in front; it outlives the program"
