#!/bin/bash
# A tree analysed in four shards run side by side by GNU parallel, joined by
# `quillstat merge`, gives the bytes of one run over the four lists one
# after the other, in every format that shows the records, the totals and
# the todo entries (json, txt, csv, the dashboard, --by-dir totals).
#   merge_shards_test.sh QUILLSTAT SOURCE_DIR WORK_DIR
set -eu -o pipefail
quillstat=$1 source=$2 work=$3
command -v parallel >/dev/null || { echo "GNU parallel missing: not checked"; exit 77; }
rm -rf "$work" && mkdir -p "$work/tree"
cp -r "$source/engine" "$source/report" "$source/ui" "$work/tree/"
cd "$work/tree"
# A name with a blank, one that is not UTF-8, and a file in no language.
printf '// TODO: blank\nint a;\n' > 'ui/with blank.c'
printf '# fixme: latin-1\n' > "$(printf 'report/caf\xe9.py')"
printf 'no language\n' > engine/README.unknown
find . -type f -print0 | sort -z > ../all.lst
split -n l/4 -t '\0' -d ../all.lst ../shard.
[ "$(ls ../shard.0? | wc -l)" = 4 ]
options=(--null -l auto -x -q)
parallel "$quillstat" --files-from {} "${options[@]}" -t json --todo-list /dev/null -o {}.json \
  ::: ../shard.0?
status=0
for form in "json" "txt" "csv" "dashboard" "txt --by-dir 2"; do
  set -- $form
  cat ../shard.0? | "$quillstat" --files-from - "${options[@]}" -t "$@" -o ../whole \
    --todo-list /dev/null
  "$quillstat" merge ../shard.0?.json -t "$@" -o ../merged
  if ! cmp ../whole ../merged; then
    echo "merge -t $form differs from the whole run"
    status=1
  fi
done
exit $status
