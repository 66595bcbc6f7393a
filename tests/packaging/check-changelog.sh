#!/bin/sh
# SPDX-License-Identifier: MIT
# Reads the project's changelog and the sample changelogs with dpkg's own
# parser and with the build's, which must agree on every release and its
# date and refuse what dpkg finds malformed.
#   check-changelog.sh CMAKE CHANGELOG SAMPLES_DIR WORK_DIR
set -eu
cmake=$1 changelog=$2 samples=$3 work=$4
here=$(cd "$(dirname "$0")" && pwd)
if ! command -v dpkg-parsechangelog >/dev/null 2>&1; then
    echo "SKIPPED: dpkg-parsechangelog is not installed (Debian package dpkg-dev)"
    exit 77
fi
rm -rf "$work"
mkdir -p "$work"
status=0
fail() {
    echo "FAIL: $*" >&2
    status=1
}

# dpkg's view: one <release> a line, the date as written in the entry's zone.
dpkg_releases() {
    dpkg-parsechangelog -l "$1" --all --format rfc822 2>"$work/dpkg.err" |
        sed -n 's/^Version: //p; s/^Date: [A-Za-z]*, *//p' |
        while read -r version && read -r day month year _; do
            printf '    <release version="%s" date="%s"/>\n' "$version" "$(date -d "$day $month $year" +%F)"
        done
}
build_releases() {
    "$cmake" -DCHANGELOG="$1" -DOUTPUT="$work/build.xml" -P "$here/changelog-releases.cmake" \
        >"$work/build.err" 2>&1
}

for file in "$changelog" "$samples/releases"; do
    expected=$(dpkg_releases "$file")
    if [ -s "$work/dpkg.err" ] || [ -z "$expected" ]; then
        cat "$work/dpkg.err"
        fail "dpkg-parsechangelog does not read $file cleanly"
    fi
    if build_releases "$file"; then
        [ "$(cat "$work/build.xml")" = "$expected" ] || fail "the build reads $file as
$(cat "$work/build.xml")
but dpkg-parsechangelog as
$expected"
    else
        cat "$work/build.err"
        fail "the build cannot read $file"
    fi
done

for name in missing-trailer no-entries bad-date stray-line trailer-first; do
    file=$samples/$name
    dpkg_releases "$file" >/dev/null 2>&1 || true
    [ -s "$work/dpkg.err" ] || fail "dpkg-parsechangelog finds nothing wrong with $name"
    if build_releases "$file"; then
        fail "the build reads the malformed $name as: $(cat "$work/build.xml")"
    else
        grep -q "$file" "$work/build.err" || fail "the build's complaint about $name does not name the file"
    fi
done

[ $status -eq 0 ] && echo "the build reads the releases of $changelog and the samples as dpkg does"
exit $status
