#!/usr/bin/env bash
# Packs the Windows program for a Windows user: quelrin.exe, the fluid
# database, the help file when one was built, and a short LEIAME.txt, in one
# folder "Quelrin" inside build/windows/quelrin-win64.zip.
# Usage: scripts/package-windows.sh [HELP_FILE]   (run `make windows` first)
set -euo pipefail
cd "$(dirname "$0")/.."
help=${1:-build/default/help/quel.chm}
package=build/windows/quelrin-win64.zip

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
mkdir "$stage/Quelrin"
cp build/windows/quelrin.exe data/dados.txt "$stage/Quelrin/"
if [ -f "$help" ]; then
  cp "$help" "$stage/Quelrin/quel.chm"
else
  echo "package-windows: no help file at $help; the package goes without quel.chm" >&2
fi
# A text for Notepad: code page 1252 and CR LF line ends.
iconv -f UTF-8 -t CP1252 resources/LEIAME.txt | sed 's/$/\r/' >"$stage/Quelrin/LEIAME.txt"

rm -f "$package"
(cd "$stage" && zip -q -X -r - Quelrin) >"$package"
echo "$package:"
zip -sf "$package" | sed 1d
