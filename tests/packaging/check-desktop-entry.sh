#!/bin/sh
# SPDX-License-Identifier: MIT
# Validates the desktop entry; hints count as failures too.
#   check-desktop-entry.sh DESKTOP_FILE
set -eu
entry=$1
if ! command -v desktop-file-validate >/dev/null 2>&1; then
    echo "SKIPPED: desktop-file-validate is not installed (Debian package desktop-file-utils)"
    exit 77
fi
report=$(desktop-file-validate "$entry" 2>&1) || status=$?
if [ "${status:-0}" -ne 0 ] || [ -n "$report" ]; then
    printf '%s\n' "$report"
    echo "FAIL: desktop-file-validate does not accept $entry" >&2
    exit 1
fi
echo "desktop-file-validate accepts $entry without remarks"
