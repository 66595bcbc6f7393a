#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs a test program as a Wayland client of a headless compositor, with its
# own socket and runtime folder, so that it runs as under a Wayland desktop.
#   with-wayland.sh [weston|sway] PROGRAM [ARGS...]
# weston (the default) renders (pixman) and lets the program take
# screenshots (weston-screenshooter), so tests can judge what it shows. sway
# offers what weston 10 does not, activation tokens (xdg-activation); it
# refuses to run as root, so root runs it as the unprivileged user nobody.
set -uo pipefail
compositor=weston
if [[ ${1:-} == weston || ${1:-} == sway ]]; then
    compositor=$1
    shift
fi
case $compositor in
weston) tools=(weston weston-screenshooter) ;;
sway) tools=(sway setpriv) ;;
esac
for tool in "${tools[@]}"; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIPPED: $tool is missing (tools/bootstrap installs it)"
        exit 77
    fi
done
if ! ls /usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so >/dev/null 2>&1; then
    echo "SKIPPED: Qt's Wayland plugin is missing (Debian package qt6-wayland)"
    exit 77
fi

# The compositor's runtime folder holds its socket; the program has one of
# its own, as it belongs to another user under sway.
work=$(mktemp -d)
runtime=$work/compositor
client=$work/client
mkdir -m 700 "$runtime" "$client"
log=$work/$compositor.log
pid=
cleanup() {
    [[ -n $pid ]] && kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

case $compositor in
weston)
    socket=rollwright-test-$$
    XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --use-pixman --width=1024 \
        --height=768 --idle-time=0 --socket="$socket" --debug --no-config >"$log" 2>&1 &
    pid=$!
    ;;
sway)
    printf 'output HEADLESS-1 resolution 1024x768\nxwayland disable\n' >"$runtime/config"
    as=()
    if (($(id -u) == 0)); then
        chown -R nobody: "$runtime"
        chmod 711 "$work" # its way to its own folder, and no more
        as=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
    fi
    # sway names its socket itself; the folder is its own, so it is the
    # first name, wayland-0 or, when a display 0 is taken elsewhere, wayland-1.
    XDG_RUNTIME_DIR=$runtime HOME=$runtime WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 \
        WLR_RENDERER=pixman "${as[@]}" sway -c "$runtime/config" >"$log" 2>&1 &
    pid=$!
    ;;
esac

socketPath() {
    local found
    for found in "$runtime"/*; do
        [[ -S $found && $found != *.sock ]] && { echo "$found"; return 0; }
    done
    return 1
}
# Up once its socket is there.
for _ in $(seq 200); do
    socketPath >/dev/null && break
    if ! kill -0 "$pid" 2>/dev/null; then
        echo "SKIPPED: $compositor could not start:"
        sed 's/^/  /' "$log"
        pid=
        exit 77
    fi
    sleep 0.05
done
if ! display=$(socketPath); then
    echo "SKIPPED: $compositor made no socket within 10 s:"
    sed 's/^/  /' "$log"
    exit 77
fi
# weston's desktop shell paints after the socket is there.
[[ $compositor == weston ]] && sleep 0.5

# Under the leak check, the Wayland client library and Qt's Wayland plugin
# keep a few allocations for the life of the connection, from frames that
# LeakSanitizer cannot name (no frame pointers, or the plugin unloaded), so no
# suppression can match them. The leak check stays on for every other run,
# which goes through the same code of ours.
if [ -n "${ASAN_OPTIONS:-}" ]; then
    export ASAN_OPTIONS="$ASAN_OPTIONS:detect_leaks=0"
fi
# A headless compositor has no seat with devices, which a desktop always has;
# without one, Qt 6.4's Wayland text input crashes when a popup opens. The
# compose input context stands in for it. The socket goes by its whole path.
XDG_RUNTIME_DIR=$client WAYLAND_DISPLAY=$display QT_QPA_PLATFORM=wayland QT_IM_MODULE=compose \
    timeout 150 "$@"
status=$?
if ((status != 0 && status != 77)); then
    echo "--- $compositor's log:"
    sed 's/^/  /' "$log"
fi
exit $status
