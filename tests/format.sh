#!/bin/sh
# SPDX-License-Identifier: MIT
# The tree matches .clang-format, and the check does find a file that does not.
#   format.sh CHECK_FORMAT SOURCE_DIR WORK_DIR
set -eu
check=$1 source=$2 work=$3
status=0
"$check" || status=$?
[ $status -eq 77 ] && exit 77
[ $status -eq 0 ] || { echo "FAIL: files above do not match .clang-format" >&2; exit 1; }

rm -rf "$work"
mkdir -p "$work"
printf 'int  main( ) {return 0;}\n' >"$work/Misformatted.cpp"
if "$check" "$work/Misformatted.cpp" >/dev/null; then
    echo "FAIL: the check passed a file that does not match" >&2
    exit 1
fi
echo "the tree matches .clang-format, and a mis-formatted file is caught"
