#!/usr/bin/env bash
# quelrin-calc over a 1,000,000-row table (nitrogen, 30 to 129.9999 K by
# 0.0001 K, Peng-Robinson): the most memory the process held while printing
# it as CSV and as aligned text, and the time of the same table with and
# without --plot, so that the plot's own share shows: CPU time (user and
# system), which the other work on a shared machine disturbs less than the
# wall clock. Best of three runs each, through GNU time (Debian package time). Not a test: the figures
# go in the README.
# Usage: scripts/measure-cli.sh [QUELRIN_CALC] [DATABASE]
set -euo pipefail

calc=$(realpath "${1:-build/default/cli/quelrin-calc}")
database=$(realpath "${2:-data/dados.txt}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
cp "$database" dados.txt
table='--table 30:129.9999:0.0001 Nitrogênio'

# best OPTIONS...: "CPU_SECONDS MAX_RSS_KB" of the best of three runs.
best() {
  for _ in 1 2 3; do
    /usr/bin/time -f '%U %S %M' -o run.time "$calc" "$@" > /dev/null
    awk '{ print $1 + $2, $3 }' run.time
  done | sort -n | head -n 1
}

# shellcheck disable=SC2086  # the table's words are meant to split
{
  read -r csv_s csv_kb < <(best --csv $table)
  read -r text_s text_kb < <(best $table)
  read -r plot_s plot_kb < <(best --plot plot.svg $table)
  read -r png_s png_kb < <(best --plot plot.png $table)
}
awk -v csv_s="$csv_s" -v csv_kb="$csv_kb" -v text_s="$text_s" -v text_kb="$text_kb" \
  -v plot_s="$plot_s" -v plot_kb="$plot_kb" -v png_s="$png_s" -v png_kb="$png_kb" 'BEGIN {
  printf "1,000,000 rows, --csv:          %6.2f s  %5.1f MB\n", csv_s, csv_kb / 1024
  printf "1,000,000 rows, aligned:        %6.2f s  %5.1f MB\n", text_s, text_kb / 1024
  printf "1,000,000 rows, aligned + SVG:  %6.2f s  %5.1f MB (the plot %.2f s)\n", plot_s, plot_kb / 1024, plot_s - text_s
  printf "1,000,000 rows, aligned + PNG:  %6.2f s  %5.1f MB (the plot %.2f s)\n", png_s, png_kb / 1024, png_s - text_s
}'
