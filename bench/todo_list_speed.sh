#!/usr/bin/env bash
# What --todo-list costs where lines are very long: the CPU time (user and
# system) and the wall time of a run with the list over those of the run
# without, each the median of the ratios of alternating pairs, on
#   one line:   SIZE MiB on a single line, a todo comment at its start;
#   long lines: SIZE MiB of 64 KiB lines, a todo comment at each line's start;
# and, since the list of a line full of words is some 25 times the line,
#   many words: one line of 16-byte pieces, each with a todo comment, of
#               WORDS MiB and of twice that: the CPU time with the list of
#               the second over that of the first, 2 where it grows linearly.
# The list reads the file a second time, from its start to the line of its
# last word: on one line that is little, on long lines with words to the end
# it is a whole read and search, which cost about what the run without the
# list does, so the ratio comes near 2 there. Exits with status 1 when a
# ratio is above 1.5 (one line), 2.5 (long lines, leaving room for a shared
# machine's drift) or 3 (many words). The files are written to a temporary
# directory (SIZE * 2 MiB).
# Usage: bench/todo_list_speed.sh [path/to/quillstat [SIZE [PAIRS [WORDS]]]]
#   defaults: build/ui/quillstat, 1024, 5 pairs, 2.
set -euo pipefail
cd "$(dirname "$0")/.."
quillstat=$(realpath "${1:-build/ui/quillstat}")
size=${2:-1024}
pairs=${3:-5}
words=${4:-2}
if [ ! -x /usr/bin/time ]; then
  echo "todo_list_speed.sh: needs /usr/bin/time (the Debian package time)" >&2
  exit 2
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
python3 - "$work" "$size" "$words" <<'PY'
import sys
work, size, words = sys.argv[1], int(float(sys.argv[2]) * (1 << 20)), int(float(sys.argv[3]) * (1 << 20))
def write(name, head, piece, total):
    count = (total - len(head)) // len(piece)
    block = (1 << 20) // len(piece)
    with open(f"{work}/{name}", "wb") as f:
        f.write(head)
        for done in range(0, count, block):
            f.write(piece * min(block, count - done))
write("one_line.cpp", b"/* todo: start */ ", b"int a = 1; ", size)
write("long_lines.cpp", b"", b"x; /* todo */ " + b"int a = 1; " * 5956 + b"\n", size)
write("words.cpp", b"", b"x; /* todo a */ ", words)
write("words2.cpp", b"", b"x; /* todo a */ ", 2 * words)
PY

# One run's user, system and wall seconds.
run() {
  local file=$1; shift
  /usr/bin/time -f "%U %S %e" -o "$work/time" "$quillstat" -f "$work/$file" -q \
    -o "$work/report.txt" "$@" >/dev/null
  cat "$work/time"
}

status=0
for limit in one_line.cpp:1.5 long_lines.cpp:2.5; do
  file=${limit%:*}
  run "$file" >/dev/null  # warms the cache
  for _ in $(seq "$pairs"); do
    echo "$(run "$file") $(run "$file" --todo-list "$work/list.txt")"
  done | python3 -c '
import statistics, sys
pairs = [list(map(float, line.split())) for line in sys.stdin]
def show(name, plain, listed):
    ratios = [l / max(p, 0.01) for p, l in zip(plain, listed)]
    print(f"  {name}: without {statistics.median(plain):.2f} s, with the list "
          f"{statistics.median(listed):.2f} s, ratio {statistics.median(ratios):.2f}")
    return statistics.median(ratios)
print(f"{sys.argv[1]}, {len(pairs)} pairs")
cpu = show("CPU ", [p[0] + p[1] for p in pairs], [p[3] + p[4] for p in pairs])
show("wall", [p[2] for p in pairs], [p[5] for p in pairs])
sys.exit(0 if cpu <= float(sys.argv[2]) else 1)
' "$file" "${limit#*:}" || status=1
done

for _ in $(seq "$pairs"); do
  echo "$(run words.cpp --todo-list "$work/list.txt") $(run words2.cpp --todo-list "$work/list.txt")"
done | python3 -c '
import statistics, sys
pairs = [list(map(float, line.split())) for line in sys.stdin]
once, twice = [p[0] + p[1] for p in pairs], [p[3] + p[4] for p in pairs]
ratio = statistics.median(t / max(o, 0.01) for o, t in zip(once, twice))
print(f"many words, {len(pairs)} pairs\n  CPU : {sys.argv[1]} MiB {statistics.median(once):.2f} s, "
      f"twice that {statistics.median(twice):.2f} s, ratio {ratio:.2f}")
sys.exit(0 if ratio <= 3 else 1)
' "$words" || status=1
exit $status
