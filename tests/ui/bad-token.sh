#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Started with an activation token far longer than any real one, on a
# compositor that offers activation (tests/with-wayland.sh sway), the program
# ignores the token and runs: handed on, the compositor would drop it.
#   bad-token.sh PROGRAM
program=$1
XDG_ACTIVATION_TOKEN=$(head -c 5000 /dev/zero | tr '\0' x) timeout 3 "$program" >/dev/null 2>&1
status=$?
if [[ $status -ne 124 ]]; then
    echo "FAIL: with a token of 5000 characters the program ended at once, status $status"
    exit 1
fi
echo "a token of 5000 characters is ignored"
