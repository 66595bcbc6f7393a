#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs every fuzzer over its seeds and then for a few seconds of new inputs,
# so that a change that breaks a fuzzer, or one that a seed already exposes,
# shows at once. New inputs go to a scratch folder, never into the seeds.
#   fuzz/run-briefly.sh BUILD_DIR [SECONDS]
set -euo pipefail
build=$(cd "${1:?usage: run-briefly.sh BUILD_DIR [SECONDS]}" && pwd)
seconds=${2:-5}
here=$(cd "$(dirname "$0")" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# fuzzer, its seeds, its dictionary (if any)
fuzzers=(
    "fuzz_roll_input roll_input"
    "fuzz_readme_decoder readme_decoder"
)
for entry in "${fuzzers[@]}"; do
    read -r fuzzer seeds dict <<<"$entry"
    mkdir -p "$scratch/$fuzzer"
    options=(-max_total_time="$seconds" -timeout=20 -print_final_stats=1)
    [[ -n ${dict:-} ]] && options+=(-dict="$here/$dict")
    log=$scratch/$fuzzer.log
    # From the scratch folder, where a finding leaves its crash-, leak- or timeout- file.
    if (cd "$scratch" && "$build/bin/$fuzzer" "${options[@]}" "$scratch/$fuzzer" "$here/seeds/$seeds" >"$log" 2>&1); then
        echo "$fuzzer: $(grep -c . < <(ls "$here/seeds/$seeds")) seeds and" \
            "$(sed -n 's/^stat::number_of_executed_units: *//p' "$log") runs in all, no finding"
    else
        tail -n 40 "$log" >&2
        found=$(find "$scratch" -maxdepth 1 -name 'crash-*' -o -maxdepth 1 -name 'leak-*' -o \
            -maxdepth 1 -name 'timeout-*' -o -maxdepth 1 -name 'oom-*')
        [[ -n $found ]] && cp $found .
        echo "$fuzzer found a problem or could not run${found:+; its input is now in $PWD}" >&2
        exit 1
    fi
done
