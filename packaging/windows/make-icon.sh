#!/bin/sh
# SPDX-License-Identifier: MIT
# Packs the rendered hicolor PNGs into rollwright.ico, committed beside this
# script. Needs ImageMagick; the build does not.
set -eu
cd "$(dirname "$0")"
hicolor=../../resources/icons/hicolor
id=$(sed -n 's/^set(ROLLWRIGHT_APP_ID "\(.*\)")$/\1/p' ../../cmake/RollwrightIdentity.cmake)
convert=$(command -v convert-im6.q16 || command -v convert)
set --
for size in 16 24 32 48 64 128 256; do
    set -- "$@" "$hicolor/${size}x${size}/apps/$id.png"
done
# The 256-pixel image is stored as PNG, as Windows Vista and later read it.
"$convert" "$@" -strip rollwright.ico
