#!/bin/sh
# Builds the libFuzzer targets with clang and the address and undefined-
# behaviour sanitizers, then runs each for a fixed time.
#
#   fuzz/run.sh [seconds-per-target]    (default 30)
#
# The build and everything the runs write (working corpus, crash inputs,
# logs) go under $BUILD_FUZZ (default build-fuzz); the starting corpus in
# fuzz/corpus is only read. Exits non-zero when a target fails.
set -eu

seconds=${1:-30}
cd "$(dirname "$0")/.."
build=${BUILD_FUZZ:-build-fuzz}
targets="cpp_scanner_fuzz delphi_scanner_fuzz php_scanner_fuzz exact_rules_fuzz command_line_fuzz"

started=$(date +%s)
mkdir -p "$build"
CC=clang CXX=clang++ cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined,fuzzer-no-link -fno-sanitize-recover=undefined -fno-omit-frame-pointer" \
  -DQUILLSTAT_BUILD_GUI=OFF -DQUILLSTAT_BUILD_TESTS=OFF -DQUILLSTAT_BUILD_BENCHMARKS=OFF \
  -DQUILLSTAT_BUILD_FUZZERS=ON >"$build/configure.log" 2>&1 ||
  { cat "$build/configure.log"; exit 1; }
# shellcheck disable=SC2086  # the target list is meant to split
cmake --build "$build" --parallel --target $targets >"$build/build.log" 2>&1 ||
  { cat "$build/build.log"; exit 1; }
echo "built in $(($(date +%s) - started)) s"

failed=0
for target in $targets; do
  work=$build/fuzz-runs/$target
  # The working corpus keeps what earlier runs found; old crashes go.
  rm -rf "$work/crashes"
  mkdir -p "$work/corpus" "$work/crashes"
  cp fuzz/corpus/"$target"/* "$work/corpus/"
  if "$build/fuzz/$target" -max_total_time="$seconds" -print_final_stats=1 \
      -artifact_prefix="$work/crashes/" "$work/corpus" >"$work/log" 2>&1; then
    status=ok
  else
    status=FAILED
    failed=1
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/log")
  speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$work/log")
  echo "$target: $status, ${runs:-?} runs, ${speed:-?} runs/s"
  if [ "$status" = FAILED ]; then
    grep -E '^(==[0-9]+==ERROR|SUMMARY|record mismatch|broken)' "$work/log" || true
    for crash in "$work"/crashes/*; do
      if [ -e "$crash" ]; then echo "  input: $crash"; fi
    done
    echo "  log: $work/log"
  fi
done
exit "$failed"
