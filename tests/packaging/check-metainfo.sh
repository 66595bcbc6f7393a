#!/bin/sh
# Validates the AppStream metainfo strictly and checks that it names the
# desktop entry beside it and the project's version as its latest release.
#   check-metainfo.sh METAINFO_FILE DESKTOP_FILE PROJECT_VERSION
set -eu
metainfo=$1 desktop=$2 version=$3
if ! command -v appstreamcli >/dev/null 2>&1; then
    echo "SKIPPED: appstreamcli is not installed (Debian package appstream)"
    exit 77
fi
status=0
fail() {
    echo "FAIL: $*" >&2
    status=1
}

# The first paragraph is the program's one-line description, which the
# validator finds short; every other remark fails the test.
appstreamcli validate --no-net --strict \
    --override=description-first-para-too-short=pedantic "$metainfo" ||
    fail "appstreamcli does not accept $metainfo"

id=$(sed -n 's:.*<id>\(.*\)</id>.*:\1:p' "$metainfo")
launchable=$(sed -n 's:.*<launchable type="desktop-id">\(.*\)</launchable>.*:\1:p' "$metainfo")
[ "$launchable" = "$(basename "$desktop")" ] ||
    fail "the metainfo launches '$launchable', the desktop entry is $(basename "$desktop")"
[ "$id.desktop" = "$launchable" ] || fail "the metainfo id '$id' is not the desktop entry's id"
[ "$(basename "$metainfo")" = "$id.metainfo.xml" ] || fail "$metainfo is not named after its id '$id'"

latest=$(sed -n 's:.*<release version="\([^"]*\)".*:\1:p' "$metainfo" | head -n 1)
[ "$latest" = "$version" ] || fail "the latest release is '$latest', the project is at $version"
exit $status
