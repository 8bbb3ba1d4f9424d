#!/usr/bin/env bash
# Runs the fuzz targets of a build configured with CHARGEFIELD_FUZZ for SECONDS each, side by
# side, starting from the stored inputs in tests/fuzz/corpus. New inputs go to
# BUILD_DIR/fuzz-corpus/; an input that breaks a contract is kept as BUILD_DIR/fuzz-crash-*
# (once the fault is mended, add it to the stored inputs, which every build runs as a test).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:?usage: fuzz.sh BUILD_DIR [SECONDS]}
seconds=${2:-60}
targets=(text_inputs point_log command_line)

pids=()
for t in "${targets[@]}"; do
  mkdir -p "$build/fuzz-corpus/$t"
  "$build/tests/${t}_fuzz" -max_total_time="$seconds" -print_final_stats=1 \
    -artifact_prefix="$build/fuzz-crash-$t-" "$build/fuzz-corpus/$t" "tests/fuzz/corpus/$t" \
    >"$build/fuzz-$t.log" 2>&1 &
  pids+=($!)
done

status=0
for i in "${!targets[@]}"; do
  t=${targets[$i]}
  if wait "${pids[$i]}"; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$build/fuzz-$t.log")
    echo "fuzz $t: ${runs:-?} inputs in $seconds s, no fault"
  else
    status=1
    echo "FAIL: fuzz $t found a fault (input kept as $build/fuzz-crash-$t-*):" >&2
    tail -n 60 "$build/fuzz-$t.log" >&2
  fi
done
exit $status
