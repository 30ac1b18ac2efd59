#!/bin/bash
# usage: todo_list_check.sh QUILLSTAT [CORPORA]
# Runs QUILLSTAT on the four real trees under CORPORA (default
# ${TMPDIR:-/tmp}/quillstat-corpora) in both modes, with and without -nf,
# and checks that the todo list holds exactly the words the JSON report
# counts: per file and per word, and so in total; and that each entry's
# line and column point at its word in the file read here in text mode
# (a CR before LF dropped, 0x1A ends the content, LF or a lone CR ends a
# line). Prints one line a run.
set -euo pipefail
Q=$(realpath "$1")
C=${2:-${TMPDIR:-/tmp}/quillstat-corpora}
OUT=$(mktemp -d)
trap 'rm -rf "$OUT"' EXIT
cd "$C"
check() {  # name dir lang extra...
  local name=$1 dir=$2 lang=$3; shift 3
  for mode in "" -x; do
    for first in "" -nf; do
      "$Q" -d "$dir" -s -l "$lang" $mode $first -q -t json -o "$OUT/r.json" \
        --todo-list "$OUT/t.json" "$@" 2>/dev/null || true
      python3 - "$OUT/r.json" "$OUT/t.json" "$name ${mode:-classic} ${first:-}" <<'PY'
import collections, json, re, sys
report, todos, label = json.load(open(sys.argv[1])), json.load(open(sys.argv[2])), sys.argv[3]
counted = collections.Counter()
for f in report["files"]:
    counted[(f["path"], "todo")] += f["todo"]
    counted[(f["path"], "fixme")] += f["fixme"]
listed = collections.Counter((t["path"], t["word"]) for t in todos)
counted = +counted
lines_of = {}
def at_word(t):
    if t["path"] not in lines_of:
        content = open(t["path"], "rb").read().split(b"\x1a")[0].replace(b"\r\n", b"\n")
        lines_of[t["path"]] = re.split(b"[\r\n]", content)
    line = lines_of[t["path"]][t["line"] - 1]
    return line[t["column"] - 1:t["column"] - 1 + len(t["word"])].lower() == t["word"].encode()
located = sum(1 for t in todos if at_word(t))
total = report["total"]["todo"] + report["total"]["fixme"]
same = counted == listed and total == len(todos) == located
print(f"{label:22} counted {total:6}  listed {len(todos):6}  located {located:6}  "
      f"{'equal' if same else 'DIFFERENT'}")
sys.exit(0 if same else 1)
PY
    done
  done
}
check linux linux/linux-source-6.1 C++
check pascal pascal Delphi -e '*.pas;*.pp;*.inc;*.dpr;*.lpr'
check java java Java
check php php Php
