#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Started with no display at all, the program says in one line, in the
# user's language, that it needs an X11 or Wayland desktop, and ends with
# status 1 instead of Qt's abort.
#   no-display.sh PROGRAM
set -uo pipefail
program=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for run in "C.UTF-8:X11 or Wayland" "de_DE.UTF-8:X11- oder Wayland"; do
    locale=${run%%:*} expected=${run#*:}
    env -u DISPLAY -u WAYLAND_DISPLAY -u WAYLAND_SOCKET -u QT_QPA_PLATFORM -u LC_ALL \
        -u LC_MESSAGES -u LANGUAGE LANG="$locale" timeout 10 "$program" >"$work/out" 2>"$work/err"
    code=$?
    said=$(cat "$work/out" "$work/err")
    if [[ $code -ne 1 || $(wc -l <"$work/err") -ne 1 || $said != *"$expected"* ]]; then
        echo "FAIL ($locale): status $code, said:"
        sed 's/^/  /' <<<"$said"
        status=1
    fi
done
exit $status
