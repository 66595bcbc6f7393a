#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs a test program as a Wayland client of a headless weston, with its own
# socket and runtime folder, so that it runs as under a Wayland desktop. The
# compositor renders (pixman) and lets the program take screenshots
# (weston-screenshooter), so tests can judge what it shows.
#   with-wayland.sh PROGRAM [ARGS...]
set -uo pipefail
for tool in weston weston-screenshooter; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIPPED: $tool is missing (tools/bootstrap installs it)"
        exit 77
    fi
done
if ! ls /usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so >/dev/null 2>&1; then
    echo "SKIPPED: Qt's Wayland plugin is missing (Debian package qt6-wayland)"
    exit 77
fi

runtime=$(mktemp -d)
chmod 700 "$runtime"
socket=rollwright-test-$$
log=$runtime/weston.log
compositor=
cleanup() {
    [[ -n $compositor ]] && kill "$compositor" 2>/dev/null && wait "$compositor" 2>/dev/null
    rm -rf "$runtime"
}
trap cleanup EXIT

XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --use-pixman --width=1024 \
    --height=768 --idle-time=0 --socket="$socket" --debug --no-config >"$log" 2>&1 &
compositor=$!
# Up once its socket is there and the desktop shell has painted.
for _ in $(seq 200); do
    [[ -S $runtime/$socket ]] && break
    if ! kill -0 "$compositor" 2>/dev/null; then
        echo "SKIPPED: weston could not start:"
        sed 's/^/  /' "$log"
        compositor=
        exit 77
    fi
    sleep 0.05
done
if [[ ! -S $runtime/$socket ]]; then
    echo "SKIPPED: weston made no socket within 10 s:"
    sed 's/^/  /' "$log"
    exit 77
fi
sleep 0.5

# Under the leak check, the Wayland client library and Qt's Wayland plugin
# keep a few allocations for the life of the connection, from frames that
# LeakSanitizer cannot name (no frame pointers, or the plugin unloaded), so no
# suppression can match them. The leak check stays on for every other run,
# which goes through the same code of ours.
if [ -n "${ASAN_OPTIONS:-}" ]; then
    export ASAN_OPTIONS="$ASAN_OPTIONS:detect_leaks=0"
fi
# A headless weston has no seat, which a desktop always has; without one, Qt
# 6.4's Wayland text input crashes when a popup opens. The compose input
# context stands in for it.
XDG_RUNTIME_DIR=$runtime WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland QT_IM_MODULE=compose \
    timeout 150 "$@"
status=$?
if ((status != 0 && status != 77)); then
    echo "--- weston's log:"
    sed 's/^/  /' "$log"
fi
exit $status
