#!/usr/bin/env bash
# Runs every fuzz target of a `make fuzz` build for the given number of seconds, one after another,
# from its seeds, its stored findings and the story levels as built. New inputs that reach new code
# are kept in <build>/fuzz-corpus; an input that crashes, leaks or trips a sanitizer is written to
# <build>/fuzz-findings and fails the run. Ends with the executions of each target.
# Usage: fuzz.sh <fuzz build folder> <seconds per target>
set -uo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$(cd "$1" && pwd)"
seconds="$2"
fuzz="$here/tests/fuzz"
# target:seed folder, as in tests/fuzz.cmake
targets=(level_play:level level_editor:level save_file:save gamepad_file:gamepad)

failed=()
summary=()
mkdir -p "$build/fuzz-findings"
for entry in "${targets[@]}"; do
  target="${entry%%:*}"
  inputs="${entry##*:}"
  corpus="$build/fuzz-corpus/$target"
  mkdir -p "$corpus"
  seeds=("$fuzz/seeds/$inputs")
  [ -d "$fuzz/findings/$inputs" ] && seeds+=("$fuzz/findings/$inputs")
  [ "$inputs" = level ] && seeds+=("$build/game/Levels")
  log="$build/fuzz-$target.log"
  echo "fuzz: $target for ${seconds}s (log: $log)"
  # A level with many cells takes a while under the sanitizers; 20 s on one input is a hang.
  "$build/tests/fuzz_$target" -max_total_time="$seconds" -timeout=20 -print_final_stats=1 \
    -dict="$fuzz/$inputs.dict" -artifact_prefix="$build/fuzz-findings/$target-" \
    "$corpus" "${seeds[@]}" > "$log" 2>&1
  status=$?
  runs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)"
  summary+=("$target: ${runs:-?} executions in ${seconds}s, exit status $status")
  if [ "$status" -ne 0 ]; then
    failed+=("$target")
    grep -E "^==[0-9]+==ERROR|runtime error|fuzz finding|Test unit written" "$log" | head -n 5 | sed 's/^/  /'
  fi
done

printf '%s\n' "${summary[@]}"
if [ ${#failed[@]} -ne 0 ]; then
  echo "fuzz: findings in ${failed[*]}; the inputs are in $build/fuzz-findings" >&2
  exit 1
fi
echo "fuzz: no findings"
