#!/usr/bin/env bash
# Times `make run` from a fresh clone to the GTK main window mapped, on a
# private X server, with ccache out of the way (the packages are taken as
# installed). The clone is of a commit of this repository, HEAD unless named.
#
# usage: scripts/measure-make-run.sh [COMMIT]
set -euo pipefail

repo=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

git clone -q "$repo" "$work/quelrin"
git -C "$work/quelrin" checkout -q "${1:-HEAD}"

read_end=$work/display
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$read_end" 2>/dev/null &
xvfb=$!
until [ -s "$read_end" ]; do sleep 0.1; done
export DISPLAY=:$(head -n1 "$read_end")

unset CMAKE_CXX_COMPILER_LAUNCHER
start=$(date +%s.%N)
(cd "$work/quelrin" && CCACHE_DISABLE=1 exec setsid make run >"$work/make.log" 2>&1) &
make_run=$!

until xdotool search --onlyvisible --name '^Quelrin - Pressão de Vapor$' >/dev/null 2>&1; do
  if ! kill -0 "$make_run" 2>/dev/null; then
    echo "make run ended without a window:" >&2
    tail -n 20 "$work/make.log" >&2
    kill "$xvfb"
    exit 1
  fi
  sleep 0.2
done
end=$(date +%s.%N)

# The program ends with its X server.
kill "$xvfb"
wait "$make_run" || true
built=$(grep -c '^\[[0-9]*/[0-9]*\]' "$work/make.log" || true)
echo "make run to the main window: $(echo "$end - $start" | bc) s ($built build steps)"
