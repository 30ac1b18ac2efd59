#!/bin/sh
# Runs ctest in a Windows build directory, ARGUMENTS passed on, with one Wine
# server kept up for the whole run. The server that Wine starts on demand
# ends with the last program of its prefix, and a program that starts at
# that moment is refused ("wine client error: ... Connection reset by peer")
# without having run: under ctest -j that failed tests at random. Wine's own
# programs are started first, with no output to hold: those a test starts
# would keep its output open, and ctest waiting, until the server ends.
set -eu
export WINEPREFIX="$PWD/wine-prefix"
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)
mkdir -p "$WINEPREFIX"
"$wineserver" -w  # one that is ending
"$wineserver" -p </dev/null >/dev/null 2>&1
"$(dirname "$0")/wine-run.sh" "$WINEPREFIX" wineboot </dev/null >/dev/null 2>&1
status=0
ctest "$@" || status=$?
"$wineserver" -k || true
exit "$status"
