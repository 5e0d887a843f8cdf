#!/usr/bin/env bash
# Packs the Windows program for a Windows user: quelrin.exe, the fluid
# database, the help file when one was built, and a short LEIAME.txt.
#   zip: one folder "Quelrin" inside build/windows/quelrin-win64.zip;
#   msi: the installer build/windows/quelrin-VERSION.msi (packaging/quelrin.wxs),
#        built with wixl; it needs the help file.
# Usage: scripts/package-windows.sh zip|msi [HELP_FILE]   (run `make windows` first)
set -euo pipefail
cd "$(dirname "$0")/.."
kind=$1
help=${2:-build/default/help/quel.chm}

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
mkdir "$stage/Quelrin"
cp build/windows/quelrin.exe data/dados.txt "$stage/Quelrin/"
if [ -f "$help" ]; then
  cp "$help" "$stage/Quelrin/quel.chm"
elif [ "$kind" = msi ]; then
  echo "package-windows: no help file at $help" >&2
  exit 1
else
  echo "package-windows: no help file at $help; the package goes without quel.chm" >&2
fi
# A text for Notepad: code page 1252 and CR LF line ends.
iconv -f UTF-8 -t CP1252 resources/LEIAME.txt | sed 's/$/\r/' >"$stage/Quelrin/LEIAME.txt"

case $kind in
  zip)
    package=build/windows/quelrin-win64.zip
    rm -f "$package"
    (cd "$stage" && zip -q -X -r - Quelrin) >"$package"
    echo "$package:"
    zip -sf "$package" | sed 1d
    ;;
  msi)
    version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/windows/CMakeCache.txt)
    package=$PWD/build/windows/quelrin-$version.msi
    cp build/windows/platform/win32/icon/quelrin.ico "$stage/Quelrin/"
    # wixl takes the files from the working folder.
    (cd "$stage/Quelrin" && wixl -a x64 -D Version="$version" -o "$package" "$OLDPWD/packaging/quelrin.wxs")
    # The database's component: NeverOverwrite (128) and Permanent (16),
    # which wixl cannot write.
    msibuild "$package" -q "UPDATE \`Component\` SET \`Attributes\` = 144 WHERE \`Component\` = 'Database'"
    echo "$package"
    ;;
  *)
    echo "usage: $0 zip|msi [HELP_FILE]" >&2
    exit 2
    ;;
esac
