#!/usr/bin/env bash
# The main job on its built-in default: the dashboard of this repository,
# every language by its own exact rules, and the todo list beside it; then
# where they are and a line of what they hold.
# usage: repository_dashboard.sh QUILLSTAT SOURCE_DIR OUT_DIR
set -euo pipefail
quillstat=$(realpath "$1")
source_dir=$2
out_dir=$(mkdir -p "$3" && realpath "$3")
dashboard=$out_dir/quillstat-dashboard.html
todo_list=$out_dir/quillstat-todo.txt
summary=$(mktemp)
trap 'rm -f "$summary"' EXIT

cd "$source_dir"
# In a git checkout -l auto takes what git would list; elsewhere the build
# and output folders are left out by hand, so that the source folders remain.
outside=()
git rev-parse --is-inside-work-tree >/dev/null 2>&1 || outside=(--exclude 'build*/' --exclude 'out/')
run=(-d . -s -l auto -x -q "${outside[@]}")
status=0
"$quillstat" "${run[@]}" -t dashboard -o "$dashboard" --todo-list "$todo_list" || status=$?
"$quillstat" "${run[@]}" -t csv -o "$summary" || true

echo "dashboard: $dashboard"
echo "todo list: $todo_list"
# The CSV's columns by their names in its header, the density as the report
# gives it; its total and language rows have no path, so no quoted comma can
# shift their fields.
awk -F, '
  NR == 1 { for (i = 1; i <= NF; ++i) column[$i] = i; next }
  $1 == "file" { ++files }
  $1 == "language" { ++languages }
  $1 == "total" {
    density = $column["commentLineDensity"]
    todo = $column["todo"]; fixme = $column["fixme"]
  }
  END {
    printf "%d files, %d languages, comment-line density %.1f%%, %d todo, %d fixme\n",
           files, (languages > 0 ? languages : 1), density, todo, fixme
  }' "$summary"
exit "$status"
