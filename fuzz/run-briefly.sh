#!/usr/bin/env bash
# Runs every fuzzer over its seeds and then for a few seconds of new inputs,
# so that a change that breaks a fuzzer, or one that a seed already exposes,
# shows at once. New inputs go to a scratch folder, never into the seeds.
#   fuzz/run-briefly.sh BUILD_DIR [SECONDS]
set -euo pipefail
build=${1:?usage: run-briefly.sh BUILD_DIR [SECONDS]}
seconds=${2:-5}
here=$(cd "$(dirname "$0")" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# fuzzer, its seeds, its dictionary (if any)
fuzzers=(
    "fuzz_roll_input roll_input"
    "fuzz_help_file help_file help_file.dict"
    "fuzz_help_request help_request"
    "fuzz_readme_decoder readme_decoder"
)
for entry in "${fuzzers[@]}"; do
    read -r fuzzer seeds dict <<<"$entry"
    mkdir -p "$scratch/$fuzzer"
    options=(-max_total_time="$seconds" -timeout=20 -print_final_stats=1)
    [[ -n ${dict:-} ]] && options+=(-dict="$here/$dict")
    echo "== $fuzzer: seeds, then ${seconds} s"
    (cd "$scratch" && "$build/bin/$fuzzer" "${options[@]}" "$scratch/$fuzzer" "$here/seeds/$seeds" 2>&1) |
        grep -E '^(INFO: seed corpus|#[0-9]+ +DONE|stat::number_of_executed_units|==[0-9]+==|SUMMARY|broken:)' || true
    # grep hides the fuzzer's exit status; a finding leaves a crash file behind.
    if compgen -G "$scratch/crash-*" >/dev/null || compgen -G "$scratch/leak-*" >/dev/null ||
        compgen -G "$scratch/timeout-*" >/dev/null; then
        echo "$fuzzer found a problem: $(ls "$scratch" | grep -E '^(crash|leak|timeout)-')" >&2
        exit 1
    fi
done
