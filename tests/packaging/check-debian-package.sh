#!/bin/sh
# SPDX-License-Identifier: MIT
# Builds the Debian package with CPack into WORK_DIR, checks its control
# fields and contents, its changelog and manual pages, and has lintian check
# it: any error or warning fails the test.
# QT_ABI is the Qt version whose private API the programs link, or none.
#   check-debian-package.sh CPACK CPACK_CONFIG WORK_DIR PROJECT_VERSION CHANGELOG APP_ID MAINTAINER QT_ABI
set -eu
cpack=$1 config=$2 work=$3 version=$4 changelog=$5 id=$6 maintainer=$7 qtAbi=$8
here=$(cd "$(dirname "$0")" && pwd)
for tool in dpkg-deb dpkg-shlibdeps file lintian man groff; do
    if ! command -v $tool >/dev/null 2>&1; then
        echo "SKIPPED: $tool is not installed (Debian packages dpkg-dev, file, lintian, man-db and groff-base)"
        exit 77
    fi
done
rm -rf "$work"
"$cpack" --config "$config" -G DEB -B "$work" >"$work.log" 2>&1 || {
    cat "$work.log"
    echo "FAIL: cpack could not build the package" >&2
    exit 1
}
set -- "$work"/*.deb
[ $# -eq 1 ] && [ -f "$1" ] || {
    echo "FAIL: cpack made no single .deb: $*" >&2
    exit 1
}
deb=$1
status=0
fail() {
    echo "FAIL: $*" >&2
    status=1
}
dpkg-deb --info "$deb"
control() { dpkg-deb --field "$deb" "$1"; }

[ "$(control Package)" = rollwright ] || fail "the package is not named rollwright"
[ "$(control Version)" = "$version" ] || fail "the package version is not $version"
[ "$(control Section)" = games ] || fail "the section is not games"
[ "$(control Maintainer)" = "$maintainer" ] || fail "wrong maintainer"
[ "$(control Architecture)" = "$(dpkg --print-architecture)" ] || fail "wrong architecture"
# Computed from the programs by dpkg-shlibdeps, with versions.
depends=$(control Depends)
for library in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6; do
    printf '%s\n' "$depends" | tr ',' '\n' | sed 's/^ *//' | grep -Fq "$library (>= " ||
        fail "Depends lacks a versioned $library"
done
# Qt Assistant shows the help.
printf '%s\n' "$depends" | tr ',' '\n' | grep -qx ' *assistant-qt6' || fail "Depends lacks assistant-qt6"
[ "$qtAbi" = none ] || printf '%s\n' "$depends" | tr ',' '\n' | sed 's/^ *//' | grep -Fxq "qt6-base-abi (= $qtAbi)" ||
    fail "Depends lacks qt6-base-abi (= $qtAbi), which Qt's private API needs"

contents=$(dpkg-deb --contents "$deb")
for path in "./usr/lib/rollwright/rollwright" \
    "./usr/lib/rollwright/Read Me First.txt" "./usr/lib/rollwright/Rollwright.hlp" \
    "./usr/lib/rollwright/rollwright.qch" "./usr/lib/rollwright/de/Rollwright.hlp" \
    "./usr/lib/rollwright/de/rollwright.qch" \
    "./usr/games/rollwright -> ../lib/rollwright/rollwright" \
    "./usr/share/man/man6/rollwright.6.gz" \
    "./usr/share/doc/rollwright/changelog.gz" \
    "./usr/share/applications/$id.desktop" \
    "./usr/share/metainfo/$id.metainfo.xml" \
    "./usr/share/icons/hicolor/256x256/apps/$id.png" \
    "./usr/share/icons/hicolor/scalable/apps/$id.svg" \
    "./usr/share/doc/rollwright/copyright"; do
    printf '%s\n' "$contents" | grep -Fq " $path" || fail "the package lacks $path"
done
printf '%s\n' "$contents" | grep -v ' root/root ' && fail "files not owned by root"

# What the package installs: the tree's changelog, and manual pages that
# name the files where the package puts them.
root=$work/unpacked
dpkg-deb --extract "$deb" "$root"
gzip -dc "$root/usr/share/doc/rollwright/changelog.gz" | cmp - "$changelog" ||
    fail "the package's changelog is not $changelog"
sh "$here/check-manual-pages.sh" /usr share/man lib/rollwright games "$root" ||
    fail "the package's manual pages are not right"

# Informational tags are listed, not counted. Overrides are ignored, so that
# none can hide a warning.
lintian --display-info --no-override --tag-display-limit 0 --fail-on error,warning "$deb" ||
    fail "lintian finds errors or warnings in $(basename "$deb")"
exit $status
