#!/usr/bin/env bash
# `make fuzz`: runs every fuzz target for a bounded time and fails when one of them finds a
# crash, a leak, a timeout or an out-of-memory. Each target grows its own corpus under the
# fuzz tree (corpus/NAME), starting from its seed folders (fuzz/corpus/NAME and the build's
# fuzz_seeds/NAME). An input that finds a fault is copied into fuzz/corpus/NAME, where the
# native tests replay it from then on: commit it with the fix.
# Usage: fuzz.sh FUZZ_BUILD_DIR SECONDS
set -uo pipefail
build=$1
seconds=$2
src=$(cd "$(dirname "$0")/.." && pwd)
shopt -s nullglob

# Moves a faulting input into the committed corpus folder, unless that folder holds it already
# (a kept input that still fails).
keep() {
  local found=$1 dir=$2 old
  for old in "$dir"/*; do
    if cmp -s "$found" "$old"; then
      echo "  still failing: ${old#"$src"/}"
      rm -f "$found"
      return
    fi
  done
  mkdir -p "$dir"
  mv "$found" "$dir/"
  echo "  kept ${dir#"$src"/}/${found##*/} (the native tests replay it from now on)"
}

failed=()
for seeds_list in "$build"/fuzzers/*.seeds; do
  name=$(basename "$seeds_list" .seeds)
  fuzzer="$build/fuzzers/$name"
  corpus="$build/corpus/$name"
  artifacts="$build/artifacts/$name"
  log="$build/logs/$name.log"
  mkdir -p "$corpus" "$artifacts" "$build/logs"
  seeds=()
  while IFS= read -r dir; do
    [ -d "$dir" ] && seeds+=("$dir")
  done <"$seeds_list"

  # Each input gets 10 s and 2 GB; one allocation of more than 256 MB is a fault too, since
  # every harness bounds what an input may ask for far below that.
  "$fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -malloc_limit_mb=256 \
    -print_final_stats=1 -artifact_prefix="$artifacts/" "$corpus" "${seeds[@]}" >"$log" 2>&1
  status=$?

  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
  rss=$(sed -n 's/^stat::peak_rss_mb: *//p' "$log")
  printf 'fuzz: %-22s %9s runs %7s exec/s %6s MB peak\n' "$name" "${runs:-?}" "${speed:-?}" "${rss:-?}"
  if ((status != 0)); then
    failed+=("$name")
    grep -E '^==[0-9]+==ERROR|^SUMMARY|deadly signal|ALARM|out-of-memory|fuzz check failed' "$log" |
      head -n 5 | sed 's/^/  /'
    for found in "$artifacts"/*; do
      keep "$found" "$src/fuzz/corpus/$name"
    done
    echo "  log: $log"
  elif [ -n "$speed" ] && ((speed < 1000)); then
    echo "  slow: under 1000 executions a second"
  fi
done

if ((${#failed[@]})); then
  echo "fuzz: faults found by ${failed[*]}" >&2
  exit 1
fi
echo "fuzz: no faults found"
