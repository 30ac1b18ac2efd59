#!/bin/bash
# Every option the program has is described by -h, by the manual page that
# `cmake --install` puts beside the programs, and by the HTML help.
#   help_pages_test.sh BUILD_DIR WORK_DIR
set -eu -o pipefail
build=$1 work=$2
rm -rf "$work" && mkdir -p "$work"
cmake --install "$build" --prefix "$work/prefix" >/dev/null
MANPATH="$work/prefix/share/man" MANWIDTH=200 man quillstat 2>/dev/null >"$work/man.txt"
"$work/prefix/bin/quillstat" -h >"$work/help.txt"
html=$work/prefix/share/quillstat/quillstatHelp.html
options='-f -d -o -t -s -nf -l -e -x --exact -j -q --encoding --files-from --null
  --fail-under --max-todo --version -h --help'
missing=0
for option in $options; do
  grep -qE -- "^$option[ ,]|, $option " "$work/help.txt" || { echo "-h lacks $option"; missing=1; }
  grep -qE -- "^ *$option([ ,]|$)|, $option( |$)" "$work/man.txt" ||
    { echo "man lacks $option"; missing=1; }
  # A build without the window has no HTML help.
  [ ! -f "$html" ] || grep -qE -- "<code>$option[ <,]|, $option[ <]" "$html" ||
    { echo "HTML lacks $option"; missing=1; }
done
exit $missing
