#!/bin/sh
# SPDX-License-Identifier: MIT
# Compiles the generated Windows resource script with the MinGW resource
# compiler, reads the compiled version record back and compares it with what
# the Windows program file must carry: the version in numbers and in text,
# and the strings listed in STRINGS_FILE ("Key", "Value" a line, the
# version's text as $text).
#   check-version-record.sh RC_FILE PROJECT_VERSION STRINGS_FILE WORK_DIR
set -eu
rc=$1 version=$2 strings=$3 work=$4
windres=x86_64-w64-mingw32-windres
if ! command -v "$windres" >/dev/null 2>&1; then
    echo "SKIPPED: $windres is not installed (Debian package binutils-mingw-w64-x86-64)"
    exit 77
fi
# Without the MinGW compiler the host's C preprocessor serves: the script
# includes no headers.
if command -v x86_64-w64-mingw32-gcc >/dev/null 2>&1; then
    set -- "$windres"
elif command -v cpp >/dev/null 2>&1; then
    set -- "$windres" --preprocessor=cpp
else
    echo "SKIPPED: neither x86_64-w64-mingw32-gcc nor cpp is there to preprocess $rc"
    exit 77
fi
rm -rf "$work"
mkdir -p "$work"
# The object file is what a MinGW build links; the .res is read back.
"$@" -i "$rc" -O coff -o "$work/version.o"
"$@" -i "$rc" -O res -o "$work/version.res"
"$windres" -i "$work/version.res" -O rc -o "$work/decompiled.rc"

status=0
fail() {
    echo "FAIL: $*" >&2
    status=1
}
# 1.2.5 is 1.2.0.5 in numbers and "1.02.0005" in text.
IFS=. read -r major minor revision <<EOV
$version
EOV
numbers="$major, $minor, 0, $revision"
text=$(printf '%d.%02d.%04d' "$major" "$minor" "$revision")

# The record is compiled in US English with Unicode strings.
grep -q '^LANGUAGE 9, 1$' "$work/decompiled.rc" || fail "the resources are not in language 0x0409"
grep -q "^ FILEVERSION $numbers\$" "$work/decompiled.rc" || fail "FILEVERSION is not $numbers"
grep -q "^ PRODUCTVERSION $numbers\$" "$work/decompiled.rc" || fail "PRODUCTVERSION is not $numbers"
grep -q '^    BLOCK "040904B0"$' "$work/decompiled.rc" || fail 'no string block "040904B0"'
grep -q '^    VALUE "Translation", 0x409, 1200$' "$work/decompiled.rc" ||
    fail "the translation is not 0x409, 1200"
grep -q '^/\* Type: group icon' "$work/decompiled.rc" || fail "the program file has no icon"

# Exactly these strings, no more.
sed -n 's/^      VALUE \("[^"]*", ".*"\)$/\1/p' "$work/decompiled.rc" | LC_ALL=C sort >"$work/strings.txt"
sed "s/\$text/$text/" "$strings" | LC_ALL=C sort >"$work/expected.txt"
diff -u "$work/expected.txt" "$work/strings.txt" || fail "the version strings differ (- expected, + compiled)"
[ $status -eq 0 ] && echo "the compiled version record reads $numbers, \"$text\" and $(wc -l <"$work/strings.txt") strings"
exit $status
