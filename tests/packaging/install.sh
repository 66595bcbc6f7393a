#!/bin/sh
# SPDX-License-Identifier: MIT
# Installs the build tree into a fresh PREFIX, as a user would.
#   install.sh CMAKE BUILD_DIR CONFIG PREFIX
set -eu
cmake=$1 build=$2 config=$3 prefix=$4
rm -rf "$prefix"
if [ -n "$config" ]; then
    "$cmake" --install "$build" --prefix "$prefix" --config "$config"
else
    "$cmake" --install "$build" --prefix "$prefix"
fi
