#!/bin/sh
# SPDX-License-Identifier: MIT
# Puts PROBE, built from the program's own window code, beside the installed
# program, starts it through a symlink beside the launcher, made as the
# launcher is, from the root directory and checks that the paths the program
# would use lead to the installed files: the help viewer and help file of
# Help > Contents and Help > Search (which the installed viewer must then
# accept), and the read-me. PROGRAMDIR and LAUNCHERDIR are relative to PREFIX.
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
help=$(field help)
[ "$(printf '%s\n' "$help" | grep -c .)" -eq 2 ] || fail "expected two help requests"
[ "$(printf '%s\n' "$help" | sort -u)" = "$programdir/rollwright-help$tab$programdir/Rollwright.hlp" ] ||
    fail "help is not asked of the installed viewer with the installed help file"
viewer=$(printf '%s\n' "$help" | head -n 1 | cut -f 1)
file=$(printf '%s\n' "$help" | head -n 1 | cut -f 2)
if [ -x "$viewer" ]; then
    problems=$(cd / && "$viewer" --check "$file") || fail "the installed viewer rejects $file: $problems"
    [ -z "$problems" ] || fail "the installed viewer finds problems in $file: $problems"
else
    fail "no help viewer $viewer"
fi
first_line=$(head -n 1 "$programdir/Read Me First.txt" | tr -d '\r')
[ "$(field readme)" = "$first_line" ] || fail "the read-me viewer does not show $programdir/Read Me First.txt"

[ $status -eq 0 ] && echo "help and read-me are found beside the installed program"
exit $status
