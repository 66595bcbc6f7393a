#!/bin/sh
# SPDX-License-Identifier: MIT
# Validates the generated AppStream metainfo strictly and checks that it
# names the desktop entry beside it, and that its releases are the
# changelog's, as dpkg reads it, the latest being the project's version.
#   check-metainfo.sh METAINFO_FILE DESKTOP_FILE PROJECT_VERSION CHANGELOG
set -eu
metainfo=$1 desktop=$2 version=$3 changelog=$4
if ! command -v appstreamcli >/dev/null 2>&1; then
    echo "SKIPPED: appstreamcli is not installed (Debian package appstream)"
    exit 77
fi
if ! command -v dpkg-parsechangelog >/dev/null 2>&1; then
    echo "SKIPPED: dpkg-parsechangelog is not installed (Debian package dpkg-dev)"
    exit 77
fi
status=0
fail() {
    echo "FAIL: $*" >&2
    status=1
}

# Every remark but a pedantic one fails the test.
appstreamcli validate --no-net --strict "$metainfo" || fail "appstreamcli does not accept $metainfo"

id=$(sed -n 's:.*<id>\(.*\)</id>.*:\1:p' "$metainfo")
launchable=$(sed -n 's:.*<launchable type="desktop-id">\(.*\)</launchable>.*:\1:p' "$metainfo")
[ "$launchable" = "$(basename "$desktop")" ] ||
    fail "the metainfo launches '$launchable', the desktop entry is $(basename "$desktop")"
[ "$id.desktop" = "$launchable" ] || fail "the metainfo id '$id' is not the desktop entry's id"
[ "$(basename "$metainfo")" = "$id.metainfo.xml" ] || fail "$metainfo is not named after its id '$id'"

releases=$(sed -n 's:^ *<release version="\([^"]*\)" date="\([^"]*\)"/>$:\1 \2:p' "$metainfo")
latest=$(printf '%s\n' "$releases" | head -n 1 | cut -d ' ' -f 1)
[ "$latest" = "$version" ] || fail "the latest release is '$latest', the project is at $version"
# Each entry's version and its date, as written in the entry's zone.
entries=$(dpkg-parsechangelog -l "$changelog" --all --format rfc822 |
    sed -n 's/^Version: //p; s/^Date: [A-Za-z]*, *//p' |
    while read -r entry_version && read -r day month year _; do
        echo "$entry_version $(date -d "$day $month $year" +%F)"
    done)
[ -n "$entries" ] && [ "$releases" = "$entries" ] || fail "the metainfo's releases
$releases
are not the changelog's
$entries"
exit $status
