#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Time from exec until rollwright-help's window is mapped, its first topic (or
# its list of problems) laid out, for the largest and hardest files it takes;
# median of N runs each.
#   xvfb-run -a bench/help-viewer-start.sh BUILD_DIR [N]
# Needs xdotool and python3.
set -euo pipefail
build=${1:?usage: help-viewer-start.sh BUILD_DIR [N]}
runs=${2:-5}
files=$(mktemp -d)
trap 'rm -rf "$files"' EXIT

python3 - "$files" <<'PYTHON'
import sys
folder = sys.argv[1]
def topics(count, body=""):
    return "".join(f"@topic t{i}\n@title Topic {i}\n@keywords k{i}\n\nSee [the next one](topic:t{(i + 1) % count}).\n{body}\n"
                   for i in range(count))
def write(name, text):
    with open(f"{folder}/{name}", "w", encoding="utf-8") as f:
        f.write(text)
write("shipped-size.hlp", topics(40, "Roll the dice and read the results. " * 20 + "\n"))
write("100000-topics.hlp", topics(100000))
largest = topics(95000, "Roll the dice and read the results. " * 4 + "\n")
write("16MiB-largest.hlp", largest[:largest.rindex("@topic", 0, 16 * 1024 * 1024)])
write("16MiB-problems.hlp", "@\n" * (8 * 1024 * 1024))
line = "*a" * 2000 + "\n"
write("hardest-topic.hlp", "@topic a\n@title A\n\n" + line + line + "*a" * 995 + "\n")
def long_titles(count, character, length):
    def words(i):
        return f"{i} " + character * (length - len(str(i)) - 1)
    return "".join(f"@topic t{i}\n@title {words(i)}\n@keywords k{i}\n\nText.\n\n" for i in range(count))
write("1300-wide-titles.hlp", long_titles(1300, "\u6f22", 3980))
write("2000-long-titles.hlp", long_titles(2000, "a", 3955))
PYTHON

measure() { # file -> milliseconds
    local start end pid runtime
    runtime=$(mktemp -d) # a viewer of its own, not one already running
    start=$(date +%s%N)
    XDG_RUNTIME_DIR=$runtime "$build/bin/rollwright-help" --contents "$1" >/dev/null 2>&1 &
    pid=$!
    until xdotool search --onlyvisible --name '^Rollwright Help$' >/dev/null 2>&1; do sleep 0.002; done
    end=$(date +%s%N)
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    rm -rf "$runtime"
    echo $(((end - start) / 1000000))
}

median() { sort -n | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }

for name in shipped-size 100000-topics 16MiB-largest 16MiB-problems hardest-topic \
    1300-wide-titles 2000-long-titles; do
    measure "$files/$name.hlp" >/dev/null # warm the caches
    printf '%-16s %6s ms\n' "$name" "$(for _ in $(seq "$runs"); do measure "$files/$name.hlp"; done | median)"
done
