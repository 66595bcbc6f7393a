#!/usr/bin/env bash
# Start-up time (from exec until the X server maps the window) and peak memory
# of Rollwright against an empty Qt Widgets window, median of N runs each.
#   xvfb-run -a bench/startup.sh BUILD_DIR [N]
# Needs xdotool (apt-get install xdotool).
set -euo pipefail
build=${1:?usage: startup.sh BUILD_DIR [N]}
runs=${2:-15}

measure() { # program window-title -> "milliseconds peak-kib"
    local program=$1 title=$2 start end pid hwm
    start=$(date +%s%N)
    "$program" >/dev/null 2>&1 &
    pid=$!
    xdotool search --sync --onlyvisible --name "^${title}\$" >/dev/null
    end=$(date +%s%N)
    hwm=$(awk '/VmHWM/ {print $2}' "/proc/$pid/status")
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    echo "$(((end - start) / 1000000)) $hwm"
}

median() { sort -n | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }

report() {
    local name=$1 program=$2 title=$3 samples
    measure "$program" "$title" >/dev/null # warm the caches
    samples=$(for _ in $(seq "$runs"); do measure "$program" "$title"; done)
    printf '%-10s start %5s ms   peak memory %6s KiB\n' "$name" \
        "$(cut -d' ' -f1 <<<"$samples" | median)" "$(cut -d' ' -f2 <<<"$samples" | median)"
}

report minimal "$build/bin/bench_minimal_window" Minimal
report rollwright "$build/bin/rollwright" Rollwright
