#!/bin/sh
# SPDX-License-Identifier: MIT
# Checks the installed manual page rollwright(6): compressed as Debian wants
# it, rendered by man and groff without a warning, and its files present where
# it says. The page names paths under PREFIX, the other directories are relative to
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
for name in rollwright; do
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

    # Every file that a page names under its FILES heading is there, and the
    # program's own ones are among them.
    files=$(printf '%s\n' "$text" | section FILES | sed -n 's:^       \(/.*\)$:\1:p')
    printf '%s\n' "$files" | while IFS= read -r path; do
        [ -e "$root$path" ] || echo "FAIL: $name.6 names $path, which is not installed" >&2
    done 2>&1 | grep . >&2 && status=1
    wanted="$launcherdir/rollwright
$programdir/rollwright
$programdir/Read Me First.txt
$programdir/Rollwright.hlp
$programdir/de/Rollwright.hlp"
    printf '%s\n' "$wanted" | while IFS= read -r file; do
        printf '%s\n' "$files" | grep -qxF "$prefix/$file" ||
            echo "FAIL: $name.6 does not name $prefix/$file under FILES"
    done | grep . >&2 && status=1
done

[ $status -eq 0 ] && echo "rollwright.6 under $root$prefix/$mandir is complete and renders cleanly"
exit $status
