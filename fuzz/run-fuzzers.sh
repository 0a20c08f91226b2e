#!/usr/bin/env bash
# Runs every fuzz target of a fuzzing build for the given number of seconds,
# each from its seed files plus what earlier runs found (kept in
# <build>/fuzz/corpus). FUZZ_PARALLEL=n runs n targets at a time (default 1).
# Fails when any target reports a fault; the input that caused it is left in
# <build>/fuzz/findings and the target's log in <build>/fuzz/<name>.log.
#   fuzz/run-fuzzers.sh <build folder> <seconds per target> [target names...]
set -euo pipefail
build=${1:?usage: run-fuzzers.sh <build folder> <seconds> [targets]}
seconds=${2:?usage: run-fuzzers.sh <build folder> <seconds> [targets]}
shift 2
dir="$build/fuzz"
parallel=${FUZZ_PARALLEL:-1}
if (($#)); then targets=("$@"); else mapfile -t targets < "$dir/fuzzers.txt"; fi
mkdir -p "$dir/findings"

run_target() {
  local name=$1
  mkdir -p "$dir/corpus/$name"
  if "$dir/fuzz_$name" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
      -print_final_stats=1 -artifact_prefix="$dir/findings/$name-" \
      "$dir/corpus/$name" "$dir/seeds/$name" >"$dir/$name.log" 2>&1; then
    echo ok >"$dir/$name.status"
    echo "== fuzz_$name ${seconds}s: $(grep -m1 '^stat::number_of_executed_units' "$dir/$name.log" | awk '{print $2}') runs, no fault"
  else
    echo fault >"$dir/$name.status"
    echo "== fuzz_$name FAULT:"
    grep -E -A30 'ERROR|fuzz check failed|runtime error' "$dir/$name.log" | head -n 40
  fi
}

running=0
for name in "${targets[@]}"; do
  [[ -n "$name" ]] || continue
  rm -f "$dir/$name.status"
  run_target "$name" &
  running=$((running + 1))
  if ((running >= parallel)); then
    wait -n
    running=$((running - 1))
  fi
done
wait
failed=()
for name in "${targets[@]}"; do
  [[ -n "$name" ]] || continue
  [[ $(cat "$dir/$name.status" 2>/dev/null) == ok ]] || failed+=("$name")
done
if ((${#failed[@]})); then
  echo "fuzzing found faults in: ${failed[*]}" >&2
  exit 1
fi
