#!/bin/sh
# SPDX-License-Identifier: MIT
# Checks the installed manual pages rollwright(6) and rollwright-help(6):
# compressed as Debian wants them, rendered by man and groff without a
# warning, their files present where they say, and the viewer's options,
# usage and exit statuses those that the installed viewer prints and returns.
# The pages name paths under PREFIX, the other directories are relative to
# it; ROOT, if given, is where a package with that PREFIX was unpacked.
#   check-manual-pages.sh PREFIX MANDIR PROGRAMDIR LAUNCHERDIR [ROOT]
set -eu
prefix=$1 mandir=$2 programdir=$3 launcherdir=$4 root=${5:-}
for tool in man groff; do
    if ! command -v $tool >/dev/null 2>&1; then
        echo "SKIPPED: $tool is not installed (Debian packages man-db and groff-base)"
        exit 77
    fi
done
status=0
fail() {
    echo "FAIL: $*" >&2
    status=1
}
export LC_ALL=C.UTF-8
unset MAN_KEEP_FORMATTING MANROFFSEQ MANOPT

# The plain text of a page, in lines as wide as its paragraphs.
render() { MANWIDTH=1000 man -E UTF-8 -l "$1"; }
# The lines of one section of rendered text, without its heading.
section() { sed -n "/^$1\$/,/^[A-Z]/{/^[A-Z]/d;p;}"; }

viewer=$root$prefix/$programdir/rollwright-help
source=$(mktemp)
trap 'rm -f "$source"' EXIT
# Reads groff's warnings about SOURCE and drops those that a line holding
# the prefix cannot be filled or broken.
long_path_lines_pass() {
    awk -v prefix="$prefix" -v source="$1" '
        BEGIN { while ((getline line < source) > 0) { gsub(/\\/, "", line); text[++n] = line } }
        match($0, /:[0-9]+: warning.*(cannot adjust|can.t break) line/) {
            split(substr($0, RSTART + 1), at, ":")
            if (index(text[at[1]], prefix)) next
        }
        { print }'
}
for name in rollwright rollwright-help; do
    page=$root$prefix/$mandir/man6/$name.6.gz
    if [ ! -f "$page" ]; then
        fail "no manual page $page"
        continue
    fi
    # gzip -9n: no file name, no time stamp, best compression.
    set -- $(od -An -tu1 -N9 "$page")
    [ "$1 $2 $4 $5 $6 $7 $8 $9" = "31 139 0 0 0 0 0 2" ] ||
        fail "$page is not compressed with gzip -9n (header $*)"
    # As lintian runs man, then groff with every warning (-wall would leave
    # out undefined macros).
    warnings=$(MANWIDTH=120 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "man warns about $name.6:
$warnings"
    # A path under a long PREFIX may not fit in a line; as lintian does for
    # web addresses, a line that cannot be filled is let pass there.
    gzip -dc "$page" >"$source"
    warnings=$(groff -man -ww -z -Tutf8 "$source" 2>&1 | long_path_lines_pass "$source")
    [ -z "$warnings" ] || fail "groff -ww warns about $name.6:
$warnings"
    text=$(render "$page") || fail "man cannot render $page"
    printf '%s\n' "$text" | section NAME | grep -q "^ *$name - [a-z]" ||
        fail "$name.6 has no NAME line \"$name - ...\""
    # The footer names the version that the installed viewer reports.
    version=$("$viewer" --version | sed 's/^rollwright-help //')
    printf '%s\n' "$text" | tail -n 1 | grep -Fq " $version " ||
        fail "$name.6 is not for version $version: $(printf '%s\n' "$text" | tail -n 1)"

    # Every file that a page names under its FILES heading is there, and the
    # program's own ones are among them.
    files=$(printf '%s\n' "$text" | section FILES | sed -n 's:^       \(/.*\)$:\1:p')
    printf '%s\n' "$files" | while IFS= read -r path; do
        [ -e "$root$path" ] || echo "FAIL: $name.6 names $path, which is not installed" >&2
    done 2>&1 | grep . >&2 && status=1
    case $name in
    rollwright) wanted="$launcherdir/rollwright
$programdir/rollwright
$programdir/Read Me First.txt
$programdir/Rollwright.hlp
$programdir/rollwright-help" ;;
    *) wanted="$programdir/Rollwright.hlp" ;;
    esac
    printf '%s\n' "$wanted" | while IFS= read -r file; do
        printf '%s\n' "$files" | grep -qxF "$prefix/$file" ||
            echo "FAIL: $name.6 does not name $prefix/$file under FILES"
    done | grep . >&2 && status=1
done

page=$root$prefix/$mandir/man6/rollwright-help.6.gz
if [ -f "$page" ] && [ -x "$viewer" ]; then
    text=$(render "$page")
    usage=$("$viewer" --help)

    # The options as --help lists them: "  --check              list the...".
    printed=$(printf '%s\n' "$usage" | sed -n 's/^  \(-.*\)$/\1/p' | sed 's/   *.*//' | LC_ALL=C sort)
    documented=$(printf '%s\n' "$text" | section OPTIONS | sed -n 's/^       \(-.*\)$/\1/p' | LC_ALL=C sort)
    [ -n "$printed" ] && [ "$printed" = "$documented" ] || fail "rollwright-help --help lists the options
$printed
but its manual page
$documented"

    # Every form of the usage is in the synopsis.
    synopsis=$(printf '%s\n' "$text" | section SYNOPSIS | sed 's/^ *//; s/  */ /g')
    printf '%s\n' "$usage" | sed -n '1,/^$/p' | sed '/^$/d; s/^Usage://; s/^ *//; s/  */ /g' |
        while IFS= read -r form; do
            printf '%s\n' "$synopsis" | grep -qxF "$form" || echo "FAIL: the synopsis lacks: $form"
        done | grep . >&2 && status=1

    # The exit statuses the viewer returns without a window are the ones
    # the page lists.
    good=$root$prefix/$programdir/Rollwright.hlp
    returned=$(
        for arguments in "--help" "--version" "--check|$good" "--check|$root/no such help file" \
            "--unknown" "" "--contents"; do
            (
                IFS='|'
                # shellcheck disable=SC2086
                "$viewer" $arguments >/dev/null 2>&1
            ) && echo 0 || echo $?
        done | LC_ALL=C sort -u
    )
    listed=$(printf '%s\n' "$text" | section "EXIT STATUS" | sed -n 's/^       \([0-9][0-9]*\)  .*/\1/p' | LC_ALL=C sort -u)
    [ -n "$listed" ] && [ "$returned" = "$listed" ] || fail "rollwright-help returns the statuses
$returned
but its manual page lists
$listed"
fi

[ $status -eq 0 ] && echo "rollwright.6 and rollwright-help.6 under $root$prefix/$mandir are complete and render cleanly"
exit $status
