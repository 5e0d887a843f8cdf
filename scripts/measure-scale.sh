#!/usr/bin/env bash
# Quelrin on a database of 100,000 fluids, headless: the main window opened,
# the fluid editor opened, a calculation on the last fluid, and the editor's
# save, which must write the file back identical. Prints the best of three
# wall-clock times of each run. Not a test: the figures go in the README.
# Usage: scripts/measure-scale.sh [QUELRIN_SCRIPT] [FLUIDS]
set -euo pipefail

runner=$(realpath "${1:-build/default/platform/headless/quelrin-script}")
fluids=${2:-100000}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

# Names in the editor's sorted order and numbers as the program writes them,
# so that a save gives back the same bytes; nitrogen's constants, with the
# critical temperature varied.
awk -v n="$fluids" 'BEGIN {
  print n
  for (i = 0; i < n; i++) {
    tc = 126.2 + (i % 1000) / 10
    if (i % 2 == 0 || i == n - 1)
      printf "Fluido-%06d Wagner -6.09676 1.1367 -1.04072 -1.93306 33.9961 %g 0.0372\n", i, tc
    else
      printf "Fluido-%06d Envelope 0 0 0 0 33.9961 %g 0.0372\n", i, tc
  }
}' > generated.txt
last=$((fluids - 1))

printf 'start\nescape\n' > main-window.script
printf 'start\nclick 1050\nclick 325\nescape\n' > editor.script
printf 'start\npick 102 %d\ntype 103 90\nclick 1\nshow 104\nescape\n' "$last" > calculation.script
printf 'start\nclick 1050\nclick 324\nclick 325\nescape\n' > save.script

best_time() {
  local script=$1 best=""
  for _ in 1 2 3; do
    cp generated.txt dados.txt
    local start end
    start=$(date +%s.%N)
    "$runner" "$script" > transcript
    end=$(date +%s.%N)
    best=$(echo "$start $end ${best:-999}" | awk '{ t = $2 - $1; print (t < $3 ? t : $3) }')
  done
  printf '%-44s %6.2f s\n' "$2" "$best"
}

echo "$fluids fluids, $(wc -c < generated.txt) bytes"
best_time main-window.script "main window opened and closed"
best_time editor.script "main window, fluid editor opened and left"
best_time calculation.script "main window, calculation on the last fluid"
grep '^104 text' transcript | sed 's/^/    /'
best_time save.script "main window, fluid editor, save"
cmp generated.txt dados.txt && echo "    the saved file is identical"
