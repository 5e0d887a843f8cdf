#!/usr/bin/env bash
# Runs every fuzz target (or those named) for FUZZ_SECONDS each, one after
# the other, from its seed corpus in tests/fuzz/corpus/NAME; what a run adds
# goes to build/fuzz/corpus/NAME, an input that fails to
# build/fuzz/artifacts/. Prints one line per target: executions and outcome.
# Usage: run_fuzzers.sh BUILD_DIR [NAME...]
set -uo pipefail

here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "$1" && pwd)
shift
seconds=${FUZZ_SECONDS:-60}
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(fluid_database prefs_file number_text calculation_request
                                    editor_fields polynomial_roots resource_script quelrin_script)

failed=()
for name in "${targets[@]}"; do
  corpus=$build/corpus/$name
  mkdir -p "$corpus" "$build/artifacts"
  log=$build/artifacts/$name.log
  "$build/tests/fuzz/fuzz-$name" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
      -print_final_stats=1 -dict="$here/$name.dict" \
      -artifact_prefix="$build/artifacts/$name-" "$corpus" "$here/corpus/$name" > "$log" 2>&1
  status=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  if [ "$status" -eq 0 ]; then
    printf '%-20s %10s executions in %ss\n' "$name" "${runs:-?}" "$seconds"
  else
    printf '%-20s FAILED (see %s)\n' "$name" "$log"
    grep -E 'property broken|ERROR: |SUMMARY|Test unit written' -A2 "$log" | head -20
    failed+=("$name")
  fi
done
[ ${#failed[@]} -eq 0 ] || { echo "failed: ${failed[*]}"; exit 1; }
