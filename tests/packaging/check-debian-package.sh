#!/bin/sh
# Builds the Debian package with CPack into WORK_DIR and checks its control
# fields and contents.
#   check-debian-package.sh CPACK CPACK_CONFIG WORK_DIR PROJECT_VERSION
set -eu
cpack=$1 config=$2 work=$3 version=$4
for tool in dpkg-deb dpkg-shlibdeps file; do
    if ! command -v $tool >/dev/null 2>&1; then
        echo "SKIPPED: $tool is not installed (Debian packages dpkg-dev and file)"
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
[ "$(control Maintainer)" = "Rollwright developers <rollwright@example.org>" ] || fail "wrong maintainer"
[ "$(control Architecture)" = "$(dpkg --print-architecture)" ] || fail "wrong architecture"
# Computed from the programs by dpkg-shlibdeps, with versions.
depends=$(control Depends)
for library in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6network6; do
    printf '%s\n' "$depends" | tr ',' '\n' | sed 's/^ *//' | grep -Fq "$library (>= " ||
        fail "Depends lacks a versioned $library"
done

contents=$(dpkg-deb --contents "$deb")
for path in "./usr/lib/rollwright/rollwright" "./usr/lib/rollwright/rollwright-help" \
    "./usr/lib/rollwright/Read Me First.txt" "./usr/lib/rollwright/Rollwright.hlp" \
    "./usr/bin/rollwright -> ../lib/rollwright/rollwright" \
    "./usr/share/applications/org.example.Rollwright.desktop" \
    "./usr/share/metainfo/org.example.Rollwright.metainfo.xml" \
    "./usr/share/icons/hicolor/256x256/apps/org.example.Rollwright.png" \
    "./usr/share/icons/hicolor/scalable/apps/org.example.Rollwright.svg" \
    "./usr/share/doc/rollwright/copyright"; do
    printf '%s\n' "$contents" | grep -Fq " $path" || fail "the package lacks $path"
done
printf '%s\n' "$contents" | grep -v ' root/root ' && fail "files not owned by root"
exit $status
