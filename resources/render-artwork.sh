#!/bin/sh
# SPDX-License-Identifier: MIT
# Renders the artwork's SVG sources to the PNG files committed beside them.
# Needs rsvg-convert (librsvg2-bin) and ImageMagick; the build needs neither.
set -eu
cd "$(dirname "$0")"
# The icons are named after the application id.
id=$(sed -n 's/^set(ROLLWRIGHT_APP_ID "\(.*\)")$/\1/p' ../cmake/RollwrightIdentity.cmake)

icon=icons/hicolor/scalable/apps/$id.svg
for size in 16 22 24 32 48 64 128 256; do
    case $size in
        16) source="icons/$id-16.svg" ;;   # drawn on the 16-pixel grid
        22|24) source="icons/$id-24.svg" ;; # drawn on the 24-pixel grid
        *) source=$icon ;;
    esac
    mkdir -p "icons/hicolor/${size}x${size}/apps"
    rsvg-convert -w "$size" -h "$size" "$source" -o "icons/hicolor/${size}x${size}/apps/$id.png"
done

# The About window's picture: 134 x 130 pixels with a 256-colour palette.
rsvg-convert -w 134 -h 130 images/dice.svg -o images/dice-truecolour.png
convert images/dice-truecolour.png -dither None -colors 256 -strip -define png:exclude-chunks=date,time PNG8:images/dice.png
rm images/dice-truecolour.png
