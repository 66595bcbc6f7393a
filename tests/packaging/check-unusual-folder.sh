#!/bin/sh
# SPDX-License-Identifier: MIT
# Copies PROBE (built from the program's own window code), the help
# collection and a read-me into folders whose names are not valid UTF-8,
# starts the probe from another working folder with a stand-in for Qt
# Assistant, and checks that the program finds its read-me and its help
# collection beside itself and hands the collection over so that the viewer
# can read it by the name it is given.
# It also checks that the program speaks the user's language there.
#   check-unusual-folder.sh PROBE STAND_IN HELPFILE
set -eu
export LC_ALL=C # names are bytes here
probe=$1 standIn=$2 helpfile=$3
top=$(mktemp -d)
trap 'rm -rf "$top"' EXIT
status=0
fail() {
    echo "FAIL: $*" >&2
    status=1
}
tab=$(printf '\t')
work=$top/work
mkdir "$work"

for name in 'inst-\377\376' 'inst-\351t\351' 'a b "c"'; do
    inst=$top/$(printf "$name")
    mkdir "$inst"
    cp "$probe" "$inst/rollwright-lookup-probe"
    cp "$helpfile" "$inst/Rollwright.hlp"
    printf 'Read me in %s\r\nsecond line\r\n' "$name" >"$inst/Read Me First.txt"

    export STAND_IN_LOG="$inst/viewer.log"
    report=$(cd "$work" && QT_QPA_PLATFORM=offscreen "$inst/rollwright-lookup-probe" --viewer "$standIn")
    field() { printf '%s\n' "$report" | sed -n "s/^$1$tab//p"; }
    [ "$(field directory)" = "$inst" ] || fail "$name: the program's directory is not $inst"
    [ "$(field help)" = "$inst/Rollwright.hlp" ] || fail "$name: Help does not name $inst/Rollwright.hlp"
    [ "$(field readme)" = "Read me in $name" ] || fail "$name: the read-me beside the program is not shown"
    [ -z "$(field box)" ] || fail "$name: Help said: $(field box)"
    # The viewer runs on its own: wait until it has looked at the collection.
    tries=0
    until grep -q 'collection readable' "$STAND_IN_LOG" 2>/dev/null || [ $tries -ge 100 ]; do
        sleep 0.1
        tries=$((tries + 1))
    done
    grep -q 'collection readable' "$STAND_IN_LOG" 2>/dev/null ||
        fail "$name: the viewer cannot read the collection by the name it was given"
done

# The program's texts are compiled in: from such a folder, beside a damaged
# catalogue of its name, a German desktop gets one German window.
inst=$top/$(printf 'inst-\377\376')
mkdir "$inst/translations"
printf 'not a catalogue' >"$inst/translations/rollwright_de.qm"
speaks() {
    report=$(cd "$work" && LC_ALL='' LC_MESSAGES='' LANGUAGE='' LANG=$1 QT_QPA_PLATFORM=offscreen \
        "$inst/rollwright-lookup-probe")
    shown=$(printf '%s\n' "$report" | sed -n "s/^\(language\|roll\|qt\|direction\)$tab//p" | paste -sd '|')
    [ "$shown" = "$2" ] || fail "under LANG=$1 the window shows '$shown', not '$2'"
}
speaks de_DE.UTF-8 'de|&Würfeln|&Rückgängig|ltr'

[ $status -eq 0 ] && echo "the program finds its files in folders of any name, hands them over and speaks the language there"
exit $status
