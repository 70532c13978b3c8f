#!/usr/bin/env bash
# `make fuzz`: runs every fuzz target for a bounded time, each with its own corpus folder
# under the fuzz tree (seeded from fuzz/corpus/NAME when that exists).
# Usage: fuzz.sh FUZZ_BUILD_DIR SECONDS
set -euo pipefail
build=$1
seconds=$2
src=$(cd "$(dirname "$0")/.." && pwd)
shopt -s nullglob
for fuzzer in "$build"/fuzzers/*; do
  name=$(basename "$fuzzer")
  corpus="$build/corpus/$name"
  mkdir -p "$corpus"
  seeds=()
  [ -d "$src/fuzz/corpus/$name" ] && seeds=("$src/fuzz/corpus/$name")
  echo "fuzz: $name for ${seconds}s"
  "$fuzzer" -max_total_time="$seconds" -print_final_stats=1 "$corpus" "${seeds[@]}" 2>&1 \
    | grep -E 'stat::number_of_executed_units|stat::peak_rss_mb|ERROR|SUMMARY|Done' || true
done
