#!/bin/sh
# SPDX-License-Identifier: MIT
# Checks what the install put under PREFIX: the program directory with the
# files the program reads beside it, the launcher on the PATH, the menu entry
# with its icons and metadata, and the licence and changelog. PROGRAMDIR and
# LAUNCHERDIR are relative to PREFIX.
#   check-install-layout.sh PREFIX BUILT_PROGRAM_DIR CHANGELOG APP_ID PROGRAMDIR LAUNCHERDIR
set -eu
prefix=$1 built=$2 treeChangelog=$3 id=$4
shift 2
programdir=$prefix/$3
launcherdir=$prefix/$4
share=$prefix/share
status=0
fail() {
    echo "FAIL: $*" >&2
    status=1
}

# Exactly the program, the read-me and the help in English and German: the
# translations are inside the program.
found=$(cd "$programdir" && find . | LC_ALL=C sort)
expected=$(printf '%s\n' . "./Read Me First.txt" ./Rollwright.hlp ./de ./de/Rollwright.hlp \
    ./de/rollwright.qch ./rollwright ./rollwright.qch)
[ "$found" = "$expected" ] || fail "$programdir holds:
$found"
[ -f "$programdir/rollwright" ] && [ -x "$programdir/rollwright" ] || fail "rollwright is not an executable file"
# As the build puts them beside its own programs.
for file in "Read Me First.txt" Rollwright.hlp rollwright.qch de/Rollwright.hlp de/rollwright.qch; do
    cmp "$built/$file" "$programdir/$file" || fail "$file differs from the built one"
done

# A relative link, so that the prefix can move and DESTDIR works.
launcher=$launcherdir/rollwright
if [ -L "$launcher" ]; then
    case $(readlink "$launcher") in /*) fail "the launcher points to an absolute path" ;; esac
    [ "$(readlink -f "$launcher")" = "$(readlink -f "$programdir/rollwright")" ] ||
        fail "the launcher leads to $(readlink -f "$launcher")"
else
    fail "$launcher is not a symlink"
fi

entry=$share/applications/$id.desktop
[ -f "$entry" ] || fail "no desktop entry $entry"
if [ -f "$entry" ]; then
    exec_program=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry")
    [ -x "$launcherdir/$exec_program" ] ||
        fail "the desktop entry starts '$exec_program', which is not in $launcherdir"
    icon=$(sed -n 's/^Icon=//p' "$entry")
    # The theme ignores an icon whose size is not its folder's.
    for size in 16 22 24 32 48 64 128 256; do
        png=$share/icons/hicolor/${size}x$size/apps/$icon.png
        if [ -f "$png" ]; then
            # The PNG header holds width and height as 32-bit big-endian numbers.
            set -- $(od -An -tu1 -j16 -N8 "$png")
            [ $(($3 * 256 + $4)) -eq "$size" ] && [ $(($7 * 256 + $8)) -eq "$size" ] ||
                fail "$png is not $size x $size pixels"
        else
            fail "no $size-pixel icon $png"
        fi
    done
    [ -f "$share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "no scalable icon $icon.svg"
fi
[ -f "$share/metainfo/$id.metainfo.xml" ] || fail "no AppStream metainfo"
[ -f "$share/doc/rollwright/copyright" ] || fail "no licence in $share/doc/rollwright"
# Compressed with gzip -9n, and the tree's changelog when uncompressed.
changelog=$share/doc/rollwright/changelog.gz
if [ -f "$changelog" ]; then
    set -- $(od -An -tu1 -N9 "$changelog")
    [ "$1 $2 $4 $5 $6 $7 $8 $9" = "31 139 0 0 0 0 0 2" ] || fail "$changelog is not compressed with gzip -9n"
    gzip -dc "$changelog" | cmp - "$treeChangelog" || fail "$changelog is not the tree's changelog"
else
    fail "no changelog $changelog"
fi

[ $status -eq 0 ] && echo "the layout under $prefix is complete"
exit $status
