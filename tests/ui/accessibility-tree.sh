#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# What a screen reader finds in the real program: every control named, the
# die types as radio buttons, the lists named and labelled by their captions;
# then, driven from the keyboard, what it reads at each focus stop and after
# rolls (accessibility-speech.py).
set -uo pipefail
program=$1
checker=$2
here=$(cd "$(dirname "$0")" && pwd)
for tool in xvfb-run dbus-run-session /usr/libexec/at-spi-bus-launcher /usr/bin/python3 xdotool; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIPPED: $tool is missing (tools/bootstrap installs it)"
        exit 77
    fi
done
if ! /usr/bin/python3 -c 'import pyatspi' 2>/dev/null; then
    echo "SKIPPED: python3-pyatspi is missing (tools/bootstrap installs it)"
    exit 77
fi

tree=$(timeout 150 "$checker" "$program" 2>/dev/null)
echo "$tree"
status=0
expect() {
    if ! grep -qF -- "$1" <<<"$tree"; then
        echo "MISSING: $1"
        status=1
    fi
}
for sides in 2 3 4 5 6 8 10 12 20 30; do
    expect "radio button: '${sides}-Sided'"
done
expect "radio button: 'Percentile'"
expect "radio button: 'Custom'"
expect "combo box: 'Roll Modifier'  labelled by ['Roll Modifier'"
expect "combo box: 'Die Modifier'  labelled by ['Die Modifier'"
expect "text: 'Roll Modifier'"
expect "text: 'Die Modifier'"
expect "text: 'Number of Dice'"
expect "text: 'Total Result'"
expect "text: 'Actual Die Rolls'"
for button in 'Roll Dice' 'Clear Results' 'About' 'Exit'; do
    expect "push button: '$button'"
done
expect "menu item: 'Action'"
expect "menu item: 'Help'"

timeout 200 "$checker" "$program" "$here/accessibility-speech.py" 2>/dev/null || status=1
exit $status
