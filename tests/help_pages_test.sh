#!/bin/bash
# Every option of the option table is described by -h, by the manual page that
# `cmake --install` puts beside the programs, and by the HTML help, and the
# bash completion installed with them completes it; the manual page renders
# without a warning.
#   help_pages_test.sh BUILD_DIR WORK_DIR
set -eu -o pipefail
build=$1 work=$2
export LC_ALL=C.UTF-8
rm -rf "$work" && mkdir -p "$work"
cmake --install "$build" --prefix "$work/prefix" >/dev/null
page=$work/prefix/share/man/man1/quillstat.1.gz
have_man=$(command -v man >/dev/null && command -v groff >/dev/null && echo yes || true)
[ -n "$have_man" ] || echo "man or groff missing: the manual page is not checked"
[ -z "$have_man" ] || MANWIDTH=200 man -l "$page" 2>/dev/null >"$work/man.txt"
"$work/prefix/bin/quillstat" -h >"$work/help.txt"
html=$work/prefix/share/quillstat/quillstatHelp.html
completion=$work/prefix/share/bash-completion/completions/quillstat
missing=0

# What the completion offers for the last of the words given after
# `quillstat`, one a line, in a directory of a file and a subdirectory.
mkdir -p "$work/tree/sub dir" && touch "$work/tree/a.cpp"
offered() {
  (cd "$work/tree" && bash -c 'source "$1" && shift && COMP_WORDS=(quillstat "$@") &&
     COMP_CWORD=$# && _quillstat quillstat "${COMP_WORDS[-1]}" "${COMP_WORDS[-2]}" ;
     printf "%s\n" "${COMPREPLY[@]}"' - "$completion" "$@") | sort
}

# The names come from the option table itself, by the maker of the pages.
options=$("$build/ui/quillstat_help_pages" names)
grep -qx -- --help <<<"$options" || { echo "the maker lists no options: '$options'"; exit 1; }
for option in $options; do
  grep -qE -- "^$option[ ,]|, $option " "$work/help.txt" || { echo "-h lacks $option"; missing=1; }
  [ -z "$have_man" ] || grep -qE -- "^ *$option([ ,]|$)|, $option( |$)" "$work/man.txt" ||
    { echo "man lacks $option"; missing=1; }
  # A build without the window has no HTML help.
  [ ! -f "$html" ] || grep -qE -- "<code>$option[ <,]|, $option[ <]" "$html" ||
    { echo "HTML lacks $option"; missing=1; }
  offered "$option" | grep -qxF -- "$option" || { echo "the completion lacks $option"; missing=1; }
done

# The values of the options that take one of a list, file names after a
# file's option, directories after -d, nothing after a number; a long
# option's value after '=', which bash makes a word of its own.
# Each case: what is offered | the words before | the word completed.
while IFS='|' read -r expected before current; do
  read -ra before <<<"$before"
  got=$(offered "${before[@]}" "$current" | paste -sd,)
  [ "$got" = "$expected" ] ||
    { echo "completing '${before[*]} $current' offers '$got', not '$expected'"; missing=1; }
done <<'EOF_CASES'
csv,dashboard,html,json,txt,xml|-t|
utf-8|--encoding|u
windows-1251|--encoding =|w
utf-8,windows-1251|--encoding|=
Cap\'n\ Proto|-l|Cap
Visual\ Basic|-l|Vis
Protocol\ Buffers|-l|Protocol\ B
auto|-q -l|a
sub dir|-d|
a.cpp,sub dir|-o|
a.cpp|--files-from|a
|-j|
|--fail-under|=
--fail-under,--fail-under-lines|-s|--fail
EOF_CASES

# Rendered at 80 columns, at man's own width and by groff alone, which
# assumes no input encoding, the page draws no warning.
if [ -n "$have_man" ]; then
  { MANWIDTH=80 man -l "$page" && env -u MANWIDTH man -l "$page" &&
    zcat "$page" | groff -man -Tutf8 -ww -z; } >/dev/null 2>"$work/man.err"
  [ ! -s "$work/man.err" ] || { echo "the manual page renders with warnings:"; cat "$work/man.err"; missing=1; }
fi
exit $missing
