#!/usr/bin/env bash
# What exact mode costs on a real tree: the CPU time (user and system) and the
# wall time of a run with -x over those of the classic run, each the median of
# the ratios of alternating pairs (classic, then -x) on a warm tree. A shared
# machine's speed drifts from one run to the next; within a pair both runs
# meet the same drift, so the ratio of a pair is steadier than either time.
# Usage: bench/exact_ratio.sh [path/to/quillstat [TREE [PAIRS]]]
#   defaults: build/ui/quillstat, the Linux tree that bench/compare.sh unpacks,
#   21 pairs.
set -euo pipefail
cd "$(dirname "$0")/.."
quillstat=$(realpath "${1:-build/ui/quillstat}")
tree=${2:-${QUILLSTAT_BENCH_CACHE:-$HOME/.cache/quillstat-bench}/linux-source-6.1}
pairs=${3:-21}
if [ ! -x /usr/bin/time ]; then
  echo "exact_ratio.sh: needs /usr/bin/time (the Debian package time)" >&2
  exit 2
fi
if [ ! -d "$tree" ]; then
  echo "exact_ratio.sh: no tree at $tree (bench/compare.sh unpacks the Linux tree there)" >&2
  exit 2
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# One run's user, system and wall seconds.
run() {
  /usr/bin/time -f "%U %S %e" -o "$work/time" "$quillstat" -d "$tree" -s -t xml \
    -o "$work/report.xml" -q "$@" >/dev/null
  cat "$work/time"
}

run >/dev/null  # warms the cache
for _ in $(seq "$pairs"); do
  echo "$(run) $(run -x)"
done | python3 -c '
import statistics, sys
pairs = [list(map(float, line.split())) for line in sys.stdin]
def show(name, classic, exact):
    ratios = [x / c for c, x in zip(classic, exact)]
    print(f"{name}: classic {statistics.median(classic):.2f} s, -x {statistics.median(exact):.2f} s, "
          f"ratio {statistics.median(ratios):.3f} (pairs from {min(ratios):.2f} to {max(ratios):.2f})")
print(f"{len(pairs)} pairs on {sys.argv[1]}")
show("CPU ", [p[0] + p[1] for p in pairs], [p[3] + p[4] for p in pairs])
show("wall", [p[2] for p in pairs], [p[5] for p in pairs])
' "$tree"
