#!/bin/sh
# Runs a Windows program under Wine: wine-run.sh PREFIX PROGRAM [ARGUMENTS...]
# PREFIX is made on first use (5 to 15 seconds), once even when several
# programs start at the same time, so that no run depends on ~/.wine. Wine's
# own messages are off, so that a test reads only what the program says; file
# names are UTF-8 whatever the caller's locale, as the Linux build sees them.
set -eu
prefix=$1
shift
export WINEPREFIX="$prefix" WINEDEBUG=-all LC_ALL=C.UTF-8
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
ready="$prefix/.quillstat-ready"
if [ ! -f "$ready" ]; then
  mkdir -p "$(dirname "$prefix")"
  # Wine tells of the new prefix on stderr; that goes to a log, shown only
  # should the prefix fail.
  flock "$prefix.lock" sh -c '[ -f "$2" ] || { "$1" wineboot --init >"$3" 2>&1 && touch "$2"; } ||
    { cat "$3" >&2; exit 1; }' sh "$wine" "$ready" "$prefix.log"
fi
exec "$wine" "$@"
