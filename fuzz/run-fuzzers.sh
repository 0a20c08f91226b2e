#!/usr/bin/env bash
# Runs every fuzz target of a fuzzing build for the given number of seconds,
# one after another, each from its seed files plus what earlier runs found
# (kept in <build>/fuzz/corpus). Fails when any target reports a fault; the
# input that caused it is left in <build>/fuzz/findings.
#   fuzz/run-fuzzers.sh <build folder> <seconds per target> [target names...]
set -euo pipefail
build=${1:?usage: run-fuzzers.sh <build folder> <seconds> [targets]}
seconds=${2:?usage: run-fuzzers.sh <build folder> <seconds> [targets]}
shift 2
dir="$build/fuzz"
if (($#)); then targets=("$@"); else mapfile -t targets < "$dir/fuzzers.txt"; fi
mkdir -p "$dir/findings"
failed=()
for name in "${targets[@]}"; do
  [[ -n "$name" ]] || continue
  corpus="$dir/corpus/$name"
  mkdir -p "$corpus"
  echo "== fuzz_$name for ${seconds}s"
  if ! "$dir/fuzz_$name" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
      -print_final_stats=1 -artifact_prefix="$dir/findings/$name-" \
      "$corpus" "$dir/seeds/$name" 2>"$dir/$name.log"; then
    tail -n 60 "$dir/$name.log"
    failed+=("$name")
  else
    grep -E '^stat::number_of_executed_units|^#[0-9]+.*DONE' "$dir/$name.log" | tail -n 2
  fi
done
if ((${#failed[@]})); then
  echo "fuzzing found faults in: ${failed[*]}" >&2
  exit 1
fi
