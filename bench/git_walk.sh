#!/usr/bin/env bash
# What git's ignore rules cost a -l auto run: the same checkout analysed with
# them and with --no-ignore. The tree is a real one (bench/../corpora.sh, or
# any directory given), copied into a fresh git repository with a realistic
# .gitignore, all of it in the index, plus a little build output that the
# rules leave out. Prints min/median/max seconds of each and their ratio of
# medians, and the peak memory of one run of each.
#
# Usage: bash bench/git_walk.sh QUILLSTAT [RUNS [SOURCE_TREE...]]
# (default: the cmake and r corpora together, some 7,800 files)
set -euo pipefail
quillstat=$(realpath "$1")
runs=${2:-7}
corpora=${CORPORA:-${TMPDIR:-/tmp}/quillstat-corpora}
sources=("${@:3}")
[ ${#sources[@]} -gt 0 ] || sources=("$corpora/cmake" "$corpora/r")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

mkdir "$work/tree"
for source in "${sources[@]}"; do cp -r "$source" "$work/tree/$(basename "$source")"; done
cd "$work/tree"
cat > .gitignore <<'IGNORE'
# Build output and editor files
/build/
*.o
*.a
*.so
*.pyc
__pycache__/
.vscode/
.idea/
*.swp
*~
.DS_Store
/install/
CMakeCache.txt
CMakeFiles/
!/Tests/**/CMakeFiles/
*.log
**/tmp/**
IGNORE
mkdir -p build/obj
for i in $(seq 1 200); do echo "int x$i;" > "build/obj/f$i.c"; done
git init -q .
git add -A >/dev/null
echo "files in the index: $(git ls-files | wc -l)"

measure() { # label options...
  local label=$1; shift
  local times=()
  for _ in $(seq 1 "$runs"); do
    local start end
    start=$(date +%s.%N)
    "$quillstat" -d . -s -l auto -q -o /dev/null "$@"
    end=$(date +%s.%N)
    times+=("$(echo "$end - $start" | bc)")
  done
  local sorted
  sorted=$(printf '%s\n' "${times[@]}" | sort -n)
  local min med max
  min=$(echo "$sorted" | head -1)
  med=$(echo "$sorted" | sed -n "$(( (runs + 1) / 2 ))p")
  max=$(echo "$sorted" | tail -1)
  local peak
  peak=$( { /usr/bin/time -f '%M' "$quillstat" -d . -s -l auto -q -o /dev/null "$@"; } 2>&1 | tail -1)
  printf '%-12s min %.3f  median %.3f  max %.3f  s; peak %s KiB\n' "$label" "$min" "$med" "$max" "$peak" >&2
  echo "$med"
}

"$quillstat" -d . -s -l auto -q -o /dev/null  # warm the cache
with=$(measure "git rules")
without=$(measure "--no-ignore" --no-ignore)
echo "ratio of medians: $(echo "scale=3; $with / $without" | bc)"
