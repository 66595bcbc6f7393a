#!/bin/sh
# SPDX-License-Identifier: MIT
# Stands in for Qt Assistant. Appends to $STAND_IN_LOG its process and session,
# its token, its arguments, whether the collection (the second argument) can
# be read, then each remote command until its standard input ends. With
# $STAND_IN_SAYS set it says that, as Assistant says a collection is missing,
# and exits 255.
if [ -n "${STAND_IN_SAYS:-}" ]; then
    printf '%s\n\n\nUsage: assistant [Options]\n' "$STAND_IN_SAYS" >&2
    exit 255
fi
{
    printf 'started %s session %s token=%s\n' $$ "$(cut -d' ' -f6 /proc/$$/stat)" "${XDG_ACTIVATION_TOKEN:-}"
    printf 'arg %s\n' "$@"
    [ -r "$2" ] && echo "collection readable"
} >>"$STAND_IN_LOG"
while IFS= read -r command; do
    printf 'command %s\n' "$command" >>"$STAND_IN_LOG"
done
