#!/usr/bin/env bash
# Runs the Linux and the Windows program with the same options on one
# generated tree and checks that they end alike and write the same report
# bytes, once each '\' that the Windows program puts between a directory and
# a name reads '/'. In Windows-1251, byte 0x5C is never part of a letter.
#
#   same_report_test.sh WORK_DIR LINUX_PROGRAM WINDOWS_RUNNER...
#
# WINDOWS_RUNNER is the command that runs quillstat.exe (under Wine).
set -euo pipefail
work=$1
linux=$2
shift 2
windows=("$@")

rm -rf "$work"
mkdir -p "$work"
cd "$work"

# Names with blanks, Cyrillic (in Windows-1251) and letters outside it; files
# with CR LF, a 0x1A end, strings, both comment kinds, todo and fixme; sizes
# from empty to some kilobytes.
names=("plain" "файл с пробелом" "Müller" "漢字" "UPPER" "x")
root="tree of sources"
for i in $(seq 0 29); do
  dir="$root/d$((i % 4))"
  [ $((i % 3)) = 0 ] && dir="$dir/sub $((i % 2))"
  mkdir -p "$dir"
  name="${names[$((i % ${#names[@]}))]}$i"
  {
    printf '/* header %d todo */\r\n' "$i"
    for k in $(seq 0 $((i * 7))); do
      printf 'int v%d = %d; // fixme %d\n{ "a // b" }\n' "$k" "$k" "$i"
    done
    [ $((i % 5)) = 0 ] && printf 'x;\x1a/* after the end */'
  } >"$dir/$name.cpp"
  printf '{ delphi %d } x := 1; // todo\r\n(* b *)\r\n' "$i" >"$dir/$name.pas"
  printf '// %d\n' "$i" >"$dir/$name.H"
done
: >"$root/d0/empty.c"

runs=(
  "-d|$root|-s|-o|out.txt"
  "-d|$root/|-s|-nf|-t|xml|-o|out.xml"
  "-d|$root|-s|-t|html|-o|out.html"
  "-d|$root|-s|-l|Delphi|-t|xml|-o|delphi.xml"
  "-d|$root/d1|-e|*.c;*.h|-o|masks.txt"
  "-f|$root/d1/файл с пробелом1.cpp|-t|xml|-o|one.xml"
)
failed=0
for run in "${runs[@]}"; do
  IFS='|' read -r -a options <<<"$run"
  report=${options[-1]}
  mkdir -p linux windows
  status_linux=0
  status_windows=0
  options[-1]=linux/$report
  "$linux" "${options[@]}" || status_linux=$?
  options[-1]=windows/$report
  "${windows[@]}" "${options[@]}" || status_windows=$?
  if [ "$status_linux" != "$status_windows" ]; then
    echo "FAIL ${options[*]}: exit status $status_linux on Linux, $status_windows on Windows"
    failed=1
  elif ! tr '\\' '/' <"windows/$report" | cmp -s - "linux/$report"; then
    echo "FAIL ${options[*]}: the reports differ:"
    tr '\\' '/' <"windows/$report" | cmp - "linux/$report" || true
    failed=1
  else
    echo "same: ${options[*]} ($(wc -c <"linux/$report") bytes)"
  fi
done
exit $failed
