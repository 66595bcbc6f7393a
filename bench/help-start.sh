#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Times Help > Contents in the real program to the help viewer's window on
# the screen, under openbox on a virtual display of its own, RUNS times; given
# an older build folder, its program in the same alternation. Each run starts
# the program afresh, presses Alt+H, C in its window and waits for a window
# titled "Rollwright Help"; then it closes both. Prints the median and the
# range in milliseconds.
#   bench/help-start.sh BUILD [RUNS] [OLD_BUILD]
set -euo pipefail
if [[ -z ${DISPLAY:-} || ${HELP_START_INNER:-} != 1 ]]; then
    HELP_START_INNER=1 exec xvfb-run -a -s "-screen 0 1280x900x24" "$0" "$@"
fi
builds=("$1")
runs=${2:-15}
[[ -n ${3:-} ]] && builds+=("$3")
work=$(mktemp -d)
# The viewer keeps its copy of the collection here, made on its first start.
export XDG_DATA_HOME=$work/data XDG_CONFIG_HOME=$work/config XDG_CACHE_HOME=$work/cache
openbox >/dev/null 2>&1 &
manager=$!
trap 'kill $manager 2>/dev/null; rm -rf "$work"' EXIT
until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"; do sleep 0.1; done

once() {
    local program=$1/bin/rollwright main viewer start end
    "$program" >/dev/null 2>&1 &
    local pid=$!
    main=$(timeout 20 xdotool search --sync --onlyvisible --limit 1 --name '^Rollwright$')
    xdotool windowactivate --sync "$main"
    sleep 0.3
    start=$(date +%s%N)
    xdotool key alt+h c
    viewer=$(timeout 20 xdotool search --sync --onlyvisible --limit 1 --name 'Rollwright Help')
    end=$(date +%s%N)
    echo $(((end - start) / 1000000))
    kill "$(xdotool getwindowpid "$viewer")" "$pid" 2>/dev/null
    while xdotool search --onlyvisible --name 'Rollwright' >/dev/null 2>&1; do sleep 0.1; done
}

for build in "${builds[@]}"; do once "$build" >/dev/null; done # first starts fill the caches
for ((run = 0; run < runs; run++)); do
    for i in "${!builds[@]}"; do echo "$i $(once "${builds[$i]}")"; done
done >"$work/times"
for i in "${!builds[@]}"; do
    sort -n <(awk -v b="$i" '$1 == b {print $2}' "$work/times") |
        awk -v name="${builds[$i]}" '{t[NR] = $1} END {printf "%s: median %d ms, %d to %d ms over %d runs\n", name, t[int((NR + 1) / 2)], t[1], t[NR], NR}'
done
