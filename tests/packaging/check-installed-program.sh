#!/bin/sh
# SPDX-License-Identifier: MIT
# Starts the installed program through its launcher from the root directory,
# without a screen, and checks that the process runs the real program in the
# program directory and stays up; then ends it. PROGRAMDIR and LAUNCHERDIR
# are relative to PREFIX.
#   check-installed-program.sh PREFIX PROGRAMDIR LAUNCHERDIR
set -eu
prefix=$1 programdir=$2 launcherdir=$3
if [ ! -e /proc/self/exe ]; then
    echo "SKIPPED: no /proc/PID/exe here to see which file a process runs"
    exit 77
fi
program=$(readlink -f "$prefix/$programdir/rollwright")
# An ended child stays a zombie until waited for, and kill -0 still finds it.
running() {
    [ -r "/proc/$1/stat" ] && [ "$(sed 's/.*) \(.\).*/\1/' "/proc/$1/stat")" != Z ]
}
log=$(mktemp)
trap 'rm -f "$log"' EXIT
cd /
QT_QPA_PLATFORM=offscreen "$prefix/$launcherdir/rollwright" >"$log" 2>&1 &
pid=$!

# Until exec, the child is still this shell.
tries=0
while [ "$(readlink "/proc/$pid/exe" 2>/dev/null || true)" != "$program" ]; do
    if ! running "$pid" || [ $tries -ge 100 ]; then
        cat "$log"
        echo "FAIL: process $pid never ran $program" >&2
        exit 1
    fi
    tries=$((tries + 1))
    sleep 0.1
done
sleep 1
if ! running "$pid"; then
    wait "$pid" || echo "exit status $?"
    cat "$log"
    echo "FAIL: the installed program ended on its own" >&2
    exit 1
fi
cwd=$(readlink "/proc/$pid/cwd")
kill "$pid"
wait "$pid" 2>/dev/null || true
[ "$cwd" = / ] || {
    echo "FAIL: the program ran in $cwd, not in /" >&2
    exit 1
}
echo "started from / through $prefix/$launcherdir/rollwright, process $pid ran $program and stayed up"
