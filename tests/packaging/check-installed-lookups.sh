#!/bin/sh
# SPDX-License-Identifier: MIT
# Puts PROBE, built from the program's own window code, beside the installed
# program, starts it through a symlink beside the launcher, made as the
# launcher is, from the root directory and checks that the paths the program
# would use lead to the installed files: the help collection of Help >
# Contents and Help > Search, and the read-me. PROGRAMDIR and LAUNCHERDIR are relative to PREFIX.
#   check-installed-lookups.sh PREFIX PROBE PROGRAMDIR LAUNCHERDIR
set -eu
prefix=$1 probe=$2
programdir=$(readlink -f "$prefix/$3")
launcherdir=$prefix/$4
cp "$probe" "$programdir/rollwright-lookup-probe"
launcher_target=$(readlink "$launcherdir/rollwright")
ln -sf "${launcher_target%/*}/rollwright-lookup-probe" "$launcherdir/rollwright-lookup-probe"
trap 'rm -f "$programdir/rollwright-lookup-probe" "$launcherdir/rollwright-lookup-probe"' EXIT

report=$(cd / && QT_QPA_PLATFORM=offscreen "$launcherdir/rollwright-lookup-probe")
printf '%s\n' "$report"
status=0
fail() {
    echo "FAIL: $*" >&2
    status=1
}
tab=$(printf '\t')
field() { printf '%s\n' "$report" | sed -n "s/^$1$tab//p"; }

[ "$(field directory)" = "$programdir" ] || fail "the program's directory is not $programdir"
[ "$(field help)" = "$programdir/Rollwright.hlp" ] && [ -s "$programdir/Rollwright.hlp" ] ||
    fail "Help does not hand over the installed collection $programdir/Rollwright.hlp"
first_line=$(head -n 1 "$programdir/Read Me First.txt" | tr -d '\r')
[ "$(field readme)" = "$first_line" ] || fail "the read-me viewer does not show $programdir/Read Me First.txt"

[ $status -eq 0 ] && echo "help and read-me are found beside the installed program"
exit $status
