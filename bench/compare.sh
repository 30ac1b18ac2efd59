#!/usr/bin/env bash
# Whole-program comparison on the Linux 6.1 source tree, all figures from one
# run on the same warm tree: the `wc -l` floor (reading every .c/.h file once),
# quillstat with one worker and with one per core, in classic and in exact
# mode (-x), and cloc on a subtree.
# Usage: bench/compare.sh [path/to/quillstat]   (default: build/ui/quillstat)
set -euo pipefail
cd "$(dirname "$0")/.."
quillstat=$(realpath "${1:-build/ui/quillstat}")
cache=${QUILLSTAT_BENCH_CACHE:-$HOME/.cache/quillstat-bench}
tree=$cache/linux-source-6.1
subtree=$tree/kernel   # cloc takes minutes on the whole tree
small=$cache/small-files  # 200,000 files of a few hundred bytes

need=()
for p in linux-source-6.1 hyperfine cloc time python3; do dpkg -s "$p" >/dev/null 2>&1 || need+=("$p"); done
if [ ${#need[@]} -gt 0 ]; then
  sudo=$([ "$(id -u)" = 0 ] || echo sudo)
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${need[@]}"
fi
if [ ! -d "$tree" ]; then
  mkdir -p "$cache"
  tar -xf /usr/src/linux-source-6.1.tar.xz -C "$cache"
fi

if [ ! -d "$small" ]; then
  python3 - "$small" <<'PY'
import os, random, sys
pick = random.Random(1)  # the same tree on every machine
body = "int f%d(int x) { // todo: check x\n  return x * 2; /* twice */\n}\n"
for d in range(200):
    os.makedirs(f"{sys.argv[1]}/d{d:03}", exist_ok=True)
    for f in range(1000):
        with open(f"{sys.argv[1]}/d{d:03}/f{f:04}.c", "w") as out:
            out.write(body % f * pick.randint(1, 8))
PY
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Warm the cache so every command reads from memory.
find "$tree" "$small" -name '*.[ch]' -print0 | xargs -0 cat >/dev/null

bytes() { find "$1" -name '*.[ch]' -print0 | du -cb --files0-from=- | tail -1 | cut -f1; }
tree_bytes=$(bytes "$tree")
subtree_bytes=$(bytes "$subtree")
files=$(find "$tree" -name '*.[ch]' | wc -l)

floor="find '$tree' -name '*.[ch]' -print0 | xargs -0 wc -l >/dev/null"
single="'$quillstat' -d '$tree' -s -t xml -o '$work/r1.xml' -j 1"
parallel="'$quillstat' -d '$tree' -s -t xml -o '$work/r.xml'"
exact="'$quillstat' -d '$tree' -s -t xml -o '$work/rx.xml' -x"
small_run="'$quillstat' -d '$small' -s -t xml -o '$work/s.xml'"
cloc_sub="cloc --quiet --include-lang=C,'C/C++ Header' '$subtree' >/dev/null"

hyperfine --warmup 1 --runs 5 --export-json "$work/times.json" \
  -n floor "$floor" -n quillstat-j1 "$single" -n quillstat "$parallel" -n quillstat-x "$exact" \
  -n small-files "$small_run" >&2
hyperfine --warmup 0 --runs 2 --export-json "$work/cloc.json" -n cloc-kernel "$cloc_sub" >&2

rss() { /usr/bin/time -f %M bash -c "$1" 2>&1 >/dev/null | tail -1; }
rss_floor=$(rss "$floor")
rss_single=$(rss "$single")
rss_parallel=$(rss "$parallel")
rss_exact=$(rss "$exact")
rss_cloc=$(rss "$cloc_sub")
rss_small=$(rss "$small_run")
cmp -s "$work/r1.xml" "$work/r.xml" && same=yes || same=NO

python3 - "$work/times.json" "$work/cloc.json" <<PY
import json, sys
t = {r["command"]: r for f in sys.argv[1:] for r in json.load(open(f))["results"]}
floor = t["floor"]["median"]
rows = [
    ("wc -l floor (all .c/.h)", "floor", $tree_bytes, $rss_floor),
    ("quillstat -j 1", "quillstat-j1", $tree_bytes, $rss_single),
    ("quillstat (one worker per core)", "quillstat", $tree_bytes, $rss_parallel),
    ("quillstat -x (one worker per core)", "quillstat-x", $tree_bytes, $rss_exact),
    ("cloc, kernel/ subtree only", "cloc-kernel", $subtree_bytes, $rss_cloc),
]
print(f"Linux 6.1: $files .c/.h files, {$tree_bytes/2**30:.2f} GiB; kernel/: {$subtree_bytes/2**20:.0f} MiB")
print(f"{'command':34} {'median s':>9} {'MB/s':>8} {'max RSS MB':>11} {'x floor':>8}")
for name, key, size, rss in rows:
    s = t[key]["median"]
    print(f"{name:34} {s:9.3f} {size/s/1e6:8.0f} {rss/1024:11.1f} {s/floor:8.2f}")
print("reports of -j 1 and all cores identical: $same")
print(f"exact mode (-x) time over classic: {t['quillstat-x']['median'] / t['quillstat']['median']:.2f}")
linux, small = t["quillstat"]["median"], t["small-files"]["median"]
print(f"per file, one worker per core: Linux tree {linux/$files*1e6:.1f} us, "
      f"200,000 small files {small/200000*1e6:.1f} us ({small:.3f} s, max RSS {$rss_small/1024:.0f} MB)")
PY
