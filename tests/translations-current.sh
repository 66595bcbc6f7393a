#!/bin/sh
# SPDX-License-Identifier: MIT
# The .ts file holds exactly the program's texts, each translated: lupdate,
# run on a copy as update_translations runs it, changes nothing. And the
# check does catch a file that lacks a text.
#   translations-current.sh LUPDATE INPUTS_LIST WORK_DIR TS_FILE [LUPDATE_OPTION ...]
set -eu
lupdate=$1 inputs=$2 work=$3 ts=$4
shift 4
name=${ts##*/}
copy=$work/$name
rm -rf "$work"
mkdir -p "$work"
refresh() {
    "$lupdate" "$@" "@$inputs" -ts "$copy" >"$work/lupdate.log" 2>&1 || {
        cat "$work/lupdate.log"
        echo "FAIL: lupdate could not read the program's texts" >&2
        exit 1
    }
}

cp "$ts" "$copy"
refresh "$@"
if ! cmp -s "$ts" "$copy"; then
    diff -u "$ts" "$copy" || true
    echo "FAIL: $name is behind the program's texts: run the update_translations target" \
        "and translate what it marks unfinished (CONTRIBUTING.md)" >&2
    exit 1
fi
if grep -q 'type="unfinished"' "$ts"; then
    grep -B 2 'type="unfinished"' "$ts"
    echo "FAIL: $name has texts not yet translated" >&2
    exit 1
fi

# Without its first text the file is caught.
awk '!done && /<message[ >]/ { skip = 1 }
     skip { if (/<\/message>/) { skip = 0; done = 1 }; next }
     { print }' "$ts" >"$work/pruned.ts"
cp "$work/pruned.ts" "$copy"
refresh "$@"
if cmp -s "$work/pruned.ts" "$copy"; then
    echo "FAIL: the check passes $name without its first text" >&2
    exit 1
fi
echo "$name holds the program's texts, all translated, and a missing text is caught"
