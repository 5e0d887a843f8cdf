#!/usr/bin/env bash
# Runs one scenario (see README.md): quelrin-script on NAME.script in a fresh
# directory, its transcript compared byte for byte with NAME.expected.
# Usage: run_scenario.sh QUELRIN_SCRIPT NAME.script DEFAULT_DATABASE
set -euo pipefail

runner=$1
script=$2
database=$3
here=$(dirname "$script")
expected=${script%.script}.expected

work=$(mktemp -d)
out=$(mktemp -d)
trap 'rm -rf "$work" "$out"' EXIT

copy_database=yes
want_status=0
want_error=
setups=()
checks=()
while IFS= read -r line; do
  [[ $line == "# setup: "* || $line == "# expect: "* ]] || continue
  if [[ $line == "# setup: no-database" ]]; then
    copy_database=no
  elif [[ $line =~ ^#\ setup:\ (file\ [^ ]+\ \".*\"|copy\ [^ ]+\ [^ ]+)$ ]]; then
    setups+=("${BASH_REMATCH[1]}")
  elif [[ $line =~ ^#\ expect:\ status\ (-?[0-9]+)$ ]]; then
    want_status=${BASH_REMATCH[1]}
  elif [[ $line =~ ^#\ expect:\ error\ \"(.*)\"$ ]]; then
    want_error=${BASH_REMATCH[1]}
  elif [[ $line =~ ^#\ expect:\ (file\ [^ ]+\ \".*\"|same\ [^ ]+\ [^ ]+)$ ]]; then
    checks+=("${BASH_REMATCH[1]}")
  else
    echo "unreadable directive: $line" >&2
    exit 1
  fi
done < "$script"

[ "$copy_database" = yes ] && cp "$database" "$work/dados.txt"
for setup in ${setups[@]+"${setups[@]}"}; do
  if [[ $setup =~ ^file\ ([^ ]+)\ \"(.*)\"$ ]]; then
    printf '%b' "${BASH_REMATCH[2]}" > "$work/${BASH_REMATCH[1]}"
  elif [[ $setup =~ ^copy\ ([^ ]+)\ ([^ ]+)$ ]]; then
    cp "$here/${BASH_REMATCH[1]}" "$work/${BASH_REMATCH[2]}"
  fi
done

# QUELRIN_SCENARIO_WRAPPER: a command that runs the runner, such as valgrind.
status=0
(cd "$work" && ${QUELRIN_SCENARIO_WRAPPER:-} "$runner" "$script") > "$out/transcript" 2> "$out/stderr" || status=$?

# Writing a new scenario: QUELRIN_UPDATE_EXPECTED=1 saves the transcript as
# NAME.expected, to be read and checked by hand before it is committed.
[ -n "${QUELRIN_UPDATE_EXPECTED:-}" ] && cp "$out/transcript" "$expected"

failed=0
if ! cmp -s "$expected" "$out/transcript"; then
  echo "transcript differs from $expected:"
  diff -u "$expected" "$out/transcript" || true
  failed=1
fi
if [ "$status" != "$want_status" ]; then
  echo "exit status $status, expected $want_status"
  failed=1
fi
if [ "$(cat "$out/stderr")" != "$want_error" ]; then
  echo "standard error: $(cat "$out/stderr")"
  [ -n "$want_error" ] && echo "expected: $want_error"
  failed=1
fi
for check in ${checks[@]+"${checks[@]}"}; do
  if [[ $check =~ ^file\ ([^ ]+)\ \"(.*)\"$ ]]; then
    printf '%b' "${BASH_REMATCH[2]}" > "$out/wanted"
    wanted=$out/wanted
  elif [[ $check =~ ^same\ ([^ ]+)\ ([^ ]+)$ ]]; then
    wanted=$here/${BASH_REMATCH[2]}
  fi
  if ! cmp -s "$wanted" "$work/${BASH_REMATCH[1]}"; then
    echo "${BASH_REMATCH[1]} after the run differs from what '$check' expects"
    failed=1
  fi
done
exit $failed
