#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Start-up time (from exec until the X server maps the window) and peak memory
# of Rollwright against an empty Qt Widgets window, median of N runs each.
#   xvfb-run -a bench/startup.sh BUILD_DIR [N]
# Needs xdotool (apt-get install xdotool).
set -euo pipefail
build=${1:?usage: startup.sh BUILD_DIR [N]}
runs=${2:-15}

measure() { # window-title program [arguments] -> "milliseconds peak-kib"
    local title=$1 start end pid hwm
    shift
    start=$(date +%s%N)
    "$@" >/dev/null 2>&1 &
    pid=$!
    # xdotool's own --sync polls only twice a second.
    until xdotool search --onlyvisible --name "^${title}\$" >/dev/null 2>&1; do sleep 0.002; done
    end=$(date +%s%N)
    hwm=$(awk '/VmHWM/ {print $2}' "/proc/$pid/status")
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    echo "$(((end - start) / 1000000)) $hwm"
}

median() { sort -n | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }

report() { # name window-title program [arguments]
    local name=$1 samples
    shift
    measure "$@" >/dev/null # warm the caches
    samples=$(for _ in $(seq "$runs"); do measure "$@"; done)
    printf '%-10s start %5s ms   peak memory %6s KiB\n' "$name" \
        "$(cut -d' ' -f1 <<<"$samples" | median)" "$(cut -d' ' -f2 <<<"$samples" | median)"
}

report minimal Minimal "$build/bin/bench_minimal_window"
report "with text" Minimal "$build/bin/bench_minimal_window" --label
report rollwright Rollwright "$build/bin/rollwright"
