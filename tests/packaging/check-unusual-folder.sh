#!/bin/sh
# SPDX-License-Identifier: MIT
# Copies PROBE (built from the program's own window code), the help viewer
# and the help file into folders whose names are not valid UTF-8, starts the
# probe from a working folder that holds a decoy rollwright-help, and checks
# that the program finds its read-me, its help file and its viewer beside
# itself, hands the help file's name over byte for byte, never runs the
# decoy, that the viewer reads the file by that name, and that the program
# speaks the user's language there.
#   check-unusual-folder.sh PROBE VIEWER HELPFILE
set -eu
export LC_ALL=C # names are bytes here
probe=$1 viewer=$2 helpfile=$3
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
printf '#!/bin/sh\ntouch "%s/decoy-ran"\n' "$top" >"$work/rollwright-help"
chmod +x "$work/rollwright-help"

# Each folder: the probe, a read-me, the help file and a viewer that notes
# its arguments (the real viewer is checked on its own below).
for name in 'inst-\377\376' 'inst-\351t\351' 'a b "c"'; do
    inst=$top/$(printf "$name")
    mkdir "$inst"
    cp "$probe" "$inst/rollwright-lookup-probe"
    cp "$helpfile" "$inst/Rollwright.hlp"
    printf 'Read me in %s\r\nsecond line\r\n' "$name" >"$inst/Read Me First.txt"
    printf '#!/bin/sh\nprintf "%%s\\n" "$@" >"${0%%/*}/request$1.tmp" && mv "${0%%/*}/request$1.tmp" "${0%%/*}/request$1"\n' >"$inst/rollwright-help"
    chmod +x "$inst/rollwright-help"

    report=$(cd "$work" && QT_QPA_PLATFORM=offscreen "$inst/rollwright-lookup-probe" --start-help)
    field() { printf '%s\n' "$report" | sed -n "s/^$1$tab//p"; }
    [ "$(field directory)" = "$inst" ] || fail "$name: the program's directory is not $inst"
    [ "$(field readme)" = "Read me in $name" ] || fail "$name: the read-me beside the program is not shown"
    [ -z "$(field box)" ] || fail "$name: Help said: $(field box)"

    # The viewers run on their own: wait until both requests are noted.
    tries=0
    while ! [ -e "$inst/request--contents" ] || ! [ -e "$inst/request--partial-key" ]; do
        [ $tries -lt 100 ] || break
        sleep 0.1
        tries=$((tries + 1))
    done
    [ "$(cat "$inst/request--contents" 2>/dev/null)" = "$(printf -- '--contents\n--\n%s' "$inst/Rollwright.hlp")" ] ||
        fail "$name: Help > Contents did not ask the viewer beside the program for $inst/Rollwright.hlp"
    [ "$(cat "$inst/request--partial-key" 2>/dev/null)" = "$(printf -- '--partial-key\n\n--\n%s' "$inst/Rollwright.hlp")" ] ||
        fail "$name: Help > Search did not ask the viewer beside the program for $inst/Rollwright.hlp"
done
[ ! -e "$top/decoy-ran" ] || fail "the rollwright-help of the working folder ran"

# The real viewer, in such a folder, reads the help file by its name.
inst=$top/$(printf 'viewer-\377\376')
mkdir "$inst"
cp "$viewer" "$inst/rollwright-help"
cp "$helpfile" "$inst/Rollwright.hlp"
problems=$(cd "$work" && "$inst/rollwright-help" --check "$inst/Rollwright.hlp") ||
    fail "the viewer rejects $inst/Rollwright.hlp: $problems"
[ -z "$problems" ] || fail "the viewer finds problems in $inst/Rollwright.hlp: $problems"
printf '@topic a\n@tilte A\n' >"$inst/bad.hlp"
problems=$("$inst/rollwright-help" --check "$inst/bad.hlp") && fail "a bad file passes the check"
printf '%s\n' "$problems" | grep -qxF "$inst/bad.hlp:2: error: unknown directive \"@tilte\"" ||
    fail "the viewer does not name the file as it is: $problems"

# The program's texts are compiled in: from such a folder, beside a damaged
# catalogue of its name, a German desktop gets one German window; a language
# the program does not speak leaves Qt's texts English too, left to right.
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
speaks he_IL.UTF-8 '|&Roll Dice|&Undo|ltr'
speaks ar_EG.UTF-8 '|&Roll Dice|&Undo|ltr'

[ $status -eq 0 ] && echo "the program finds its files in folders of any name, and only there"
exit $status
