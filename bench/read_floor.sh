#!/usr/bin/env bash
# The whole program against the read floor on a warm tree: read_floor (every
# file the classic run reads, from a list made in advance, one process per
# core, one reused buffer, newlines counted; and read only, nothing counted,
# what the system alone costs), the classic run, -x, and
# -l auto -x over every file of the tree, in rounds that run each command
# once, so that all meet the same drift of a shared machine. Prints for each
# command the medians of the wall and CPU (user + system) seconds and the
# largest max RSS, then the ratios (medians of the ratios within a round),
# and whether -j 1 and -j 2 write the same reports.
# Usage: bench/read_floor.sh [QUILLSTAT [TREE [ROUNDS]]]
#   defaults: build/ui/quillstat (read_floor beside it in build/bench/), the
#   Linux 6.1 tree of bench/compare.sh (or $QUILLSTAT_BENCH_TREE), 9 rounds.
#   With QUILLSTAT_BEFORE=path/to/another/quillstat its classic, -x and
#   -l auto -x runs join each round too, for a before/after table.
set -euo pipefail
cd "$(dirname "$0")/.."
quillstat=$(realpath "${1:-build/ui/quillstat}")
floor=$(realpath "$(dirname "$quillstat")/../bench/read_floor")
tree=${2:-${QUILLSTAT_BENCH_TREE:-${QUILLSTAT_BENCH_CACHE:-$HOME/.cache/quillstat-bench}/linux-source-6.1}}
rounds=${3:-9}
before=${QUILLSTAT_BEFORE:-}
for tool in /usr/bin/time python3; do
  command -v "$tool" >/dev/null || { echo "read_floor.sh: needs $tool" >&2; exit 2; }
done
[ -x "$floor" ] || { echo "read_floor.sh: no $floor (build the target read_floor)" >&2; exit 2; }
[ -d "$tree" ] || { echo "read_floor.sh: no tree at $tree" >&2; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The files of the classic run: the C++ language's masks when it is named
# by default, "*.cpp;*.c;*.h;*.hpp;*.cxx;*.hxx".
find "$tree" \( -type f -o -xtype f \) \( -name '*.cpp' -o -name '*.[ch]' -o -name '*.hpp' \
  -o -name '*.cxx' -o -name '*.hxx' \) -print0 >"$work/list"
# Warms the cache: every file of the tree once.
find "$tree" -type f -print0 | xargs -0 cat >/dev/null

# Runs one command, appending "NAME wall cpu rss" to the results.
measure() {
  local name=$1
  shift
  # A run that reports an unreadable file (exit status 2) is timed all the same.
  /usr/bin/time -f "%e %U %S %M" -o "$work/time" "$@" >/dev/null ||
    echo "read_floor.sh: $name exited with status $?" >&2
  read -r wall user system rss <"$work/time"
  echo "$name $wall $(python3 -c "print($user + $system)") $rss" >>"$work/results"
}
program() {  # NAME BINARY OPTIONS...
  local name=$1 binary=$2
  shift 2
  measure "$name" "$binary" -d "$tree" -s -o "$work/$name.report" -q "$@"
}
round() {
  measure floor "$floor" "$work/list"
  measure read-only "$floor" "$work/list" --read-only
  program classic "$quillstat" -t xml
  program exact "$quillstat" -t xml -x
  program auto "$quillstat" -t xml -l auto -x
  if [ -n "$before" ]; then
    program classic-before "$before" -t xml
    program exact-before "$before" -t xml -x
    program auto-before "$before" -t xml -l auto -x
  fi
}

round && rm "$work/results"  # one round unmeasured: caches, page tables
for _ in $(seq "$rounds"); do round; done

same=yes
for options in "-t xml" "-t xml -x" "-t json -l auto -x"; do
  # shellcheck disable=SC2086  # the options are words
  "$quillstat" -d "$tree" -s -q -o "$work/j1" -j 1 $options || true
  # shellcheck disable=SC2086
  "$quillstat" -d "$tree" -s -q -o "$work/j2" -j 2 $options || true
  cmp -s "$work/j1" "$work/j2" || { same="NO ($options)"; break; }
done

python3 - "$work/results" "$tree" "$(tr -cd '\0' <"$work/list" | wc -c)" "$same" <<'PY'
import statistics, sys
rows = {}
for line in open(sys.argv[1]):
    name, wall, cpu, rss = line.split()
    rows.setdefault(name, []).append((float(wall), float(cpu), int(rss)))
order = [n for n in ["floor", "read-only", "classic", "classic-before", "exact", "exact-before", "auto",
                     "auto-before"] if n in rows]
print(f"{sys.argv[2]}: {sys.argv[3]} files in the floor's list, "
      f"{len(rows['floor'])} rounds, medians")
print(f"{'command':16} {'wall s':>7} {'CPU s':>7} {'max RSS MB':>11} {'wall x floor':>13} {'CPU x floor':>12}")
def ratio(name, over, column):
    return statistics.median(a[column] / b[column] for a, b in zip(rows[name], rows[over]))
for name in order:
    runs = rows[name]
    print(f"{name:16} {statistics.median(r[0] for r in runs):7.3f} "
          f"{statistics.median(r[1] for r in runs):7.3f} {max(r[2] for r in runs) / 1024:11.1f} "
          f"{ratio(name, 'floor', 0):13.2f} {ratio(name, 'floor', 1):12.2f}")
for suffix in ["", "-before"]:
    if "exact" + suffix in rows:
        print(f"-x over classic{suffix}: wall {ratio('exact' + suffix, 'classic' + suffix, 0):.3f}, "
              f"CPU {ratio('exact' + suffix, 'classic' + suffix, 1):.3f}")
print(f"-j 1 and -j 2 reports identical: {sys.argv[4]}")
PY
