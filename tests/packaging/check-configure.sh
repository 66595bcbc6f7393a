#!/bin/sh
# SPDX-License-Identifier: MIT
# Configures the project where pkg-config finds no module: each window
# system's support stops the configure with a message naming the missing
# package and the option that turns the support off; with both off the
# configure ends with a feature summary that lists them disabled.
#   check-configure.sh CMAKE GENERATOR SOURCE_DIR WORK_DIR
set -eu
cmake=$1 generator=$2 source=$3 work=$4
status=0
fail() {
    echo "FAIL: $*" >&2
    status=1
}
configure() {
    rm -rf "$work"
    # CMake wraps its messages: one line, single spaces.
    PKG_CONFIG_LIBDIR=$work-no-modules PKG_CONFIG_PATH='' \
        "$cmake" -S "$source" -B "$work" -G "$generator" -DBUILD_TESTING=OFF "$@" 2>&1 | tr -s ' \n' '  '
}
says() { printf '%s\n' "$report" | grep -q "$1" || fail "$2: $report"; }

report=$(configure)
says "xcb was not found (Debian package libxcb1-dev). Install it, or configure with -DROLLWRIGHT_X11=OFF" \
    "a configure without xcb does not name it and its option"
report=$(configure -DROLLWRIGHT_X11=OFF)
says "wayland-client was not found (Debian package libwayland-dev). Install it, or configure with -DROLLWRIGHT_WAYLAND=OFF" \
    "a configure without wayland-client does not name it and its option"
report=$(configure -DROLLWRIGHT_X11=OFF -DROLLWRIGHT_WAYLAND=OFF)
says "Build files have been written" "a configure without both window systems fails"
says "The following features have been disabled: \* X11, .* \* Wayland, " \
    "the feature summary does not list X11 and Wayland disabled"
rm -rf "$work"
[ $status -eq 0 ] && echo "each window system is required unless its option turns it off"
exit $status
