#!/usr/bin/env bash
# The packages checked as a user's system would check them (make
# package-test, after make package and make windows-installer):
# - the Debian package: lintian and appstreamcli clean; installed with
#   apt-get, its programs run from /usr/bin on the installed database, its
#   manual pages rendered; purged, and none of its files left;
# - the Windows installer: installed under Wine for the user alone, the
#   program started from its Start-menu shortcut's folder on a private X
#   display (main window, Escape, exit status 0), then uninstalled, the
#   user's changed dados.txt left where it was.
# Needs root, or sudo, for apt-get; refuses to run where quelrin is installed.
set -euo pipefail
cd "$(dirname "$0")/../.."
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/default/CMakeCache.txt)
deb=$PWD/build/packages/quelrin_${version}_amd64.deb
msi=$PWD/build/windows/quelrin-$version.msi
work=$PWD/build/package-test
if [ "$(id -u)" -eq 0 ]; then sudo=(); else sudo=(sudo); fi

failures=0
check() {  # check DESCRIPTION COMMAND...
  local what=$1
  shift
  if "$@"; then echo "ok   $what"; else echo "FAIL $what"; failures=$((failures + 1)); fi
}
same_text() { [ "$1" = "$2" ] || { echo "  got: $1" >&2; echo "  expected: $2" >&2; false; }; }

rm -rf "$work"
mkdir -p "$work"

# --- the Debian package ------------------------------------------------------

installed() { dpkg-query -W -f='${Status}' quelrin 2>/dev/null | grep -q 'ok installed$'; }
purge() { DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get purge -y -q quelrin >"$work/apt-purge.log"; }
if installed; then
  echo "package-test: quelrin is installed on this machine; remove it first" >&2
  exit 1
fi
check "lintian: no error, no warning" lintian --fail-on error,warning "$deb"
dpkg-deb -x "$deb" "$work/deb"
check "appstreamcli validates the metainfo" \
  appstreamcli validate --no-net "$work"/deb/usr/share/metainfo/*.metainfo.xml
check "the package's version is the project's" same_text "$(dpkg-deb -f "$deb" Version)" "$version"

DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q "$deb" >"$work/apt-install.log"
trap purge EXIT  # whatever stops the test, the machine is left as it was
# What the package put on the system: its files and links (not the folders
# other packages share).
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { sub(/^\./, "", $6); print $6 }' >"$work/files"

check "quelrin-calc --version" same_text "$(/usr/bin/quelrin-calc --version)" "quelrin-calc $version"
check "quelrin --version, without a display" same_text "$(DISPLAY= WAYLAND_DISPLAY= /usr/bin/quelrin --version)" "quelrin $version"
# Nitrogen at 90 K with Peng-Robinson, the figure of the README and the
# command-line tests.
check "a calculation on the installed database" same_text \
  "$(cd "$work" && /usr/bin/quelrin-calc --db /usr/share/quelrin/dados.txt Nitrogênio 90 | grep '^pressure:')" \
  "pressure: 3.61916"
# quelrin-start gives the user a working folder with the database and the
# help, then starts quelrin, which finds no display here.
mkdir "$work/home"
HOME=$work/home XDG_DATA_HOME= DISPLAY= WAYLAND_DISPLAY= /usr/bin/quelrin-start 2>/dev/null || true
check "quelrin-start copies the database for the user" \
  cmp -s /usr/share/quelrin/dados.txt "$work/home/.local/share/quelrin/dados.txt"
check "quelrin-start puts the help beside it" test -e "$work/home/.local/share/quelrin/quel.chm"
for page in quelrin quelrin-calc quelrin-start; do
  file=/usr/share/man/man1/$page.1.gz
  check "man -l renders $page(1) without a warning" \
    bash -c '[ -z "$(MANWIDTH=80 man --warnings -l "$1" 2>&1 >/dev/null)" ] && MANWIDTH=80 man -l "$1" | grep -q "^SYNOPSIS"' -- "$file"
done

purge
trap - EXIT
not_installed() { ! installed; }
check "apt-get purge removes the package" not_installed
left=$(while read -r file; do if [ -e "$file" ] || [ -L "$file" ]; then echo "$file"; fi; done <"$work/files")
check "no file of the package is left" same_text "$left" ""
check "its own folders are gone" bash -c '[ ! -e /usr/share/quelrin ] && [ ! -e /usr/share/doc/quelrin ]'

# --- the Windows installer --------------------------------------------------

export WINEPREFIX=$work/wineprefix WINEDEBUG=-all
# No Mono or Gecko prompts; no menu entries written into the host's desktop.
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="
DISPLAY= tests/windows/make_wine_prefix.sh
# Top-level windows instead of Wine's virtual desktop, so that xdotool finds
# the program's window by its title.
wine reg delete 'HKCU\Software\Wine\Explorer' /v Desktop /f >/dev/null
# A Windows path as a real path of the host (no dosdevices link).
windows_path() { readlink -m "$(winepath -u "$1" 2>/dev/null)"; }
local_app_data=$(windows_path "$(wine cmd /c 'echo %LOCALAPPDATA%' | tr -d '\r')")
start_menu=$(windows_path "$(wine cmd /c 'echo %APPDATA%' | tr -d '\r')")"/Microsoft/Windows/Start Menu/Programs"
folder=$local_app_data/Programs/Quelrin

check "msiexec /i installs without a question" wine msiexec /i "$(winepath -w "$msi")" /qn
for file in quelrin.exe quel.chm LEIAME.txt; do
  check "$file in the user's programs folder" test -f "$folder/$file"
done
check "the shipped dados.txt beside them" cmp -s data/dados.txt "$folder/dados.txt"
uninstall_entry() {  # the "Programs and Features" entry, wherever Wine keeps it
  for root in HKCU HKLM; do
    wine reg query "$root\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall" /s 2>/dev/null | tr -d '\r'
  done | awk '/^HKEY/ { key = $0 } /DisplayName[ \t]+REG_SZ[ \t]+Quelrin$/ { print key }'
}
entry=$(uninstall_entry)
check "Programs and Features shows the version" same_text \
  "$(wine reg query "$entry" /v DisplayVersion 2>/dev/null | tr -d '\r' | awk '/DisplayVersion/ { print $3 }')" "$version"
# (msiinfo writes the icons it exports into the working folder.)
check "Programs and Features has the icon" \
  bash -c 'cd "$2" && msiinfo export "$1" Property | grep -q "^ARPPRODUCTICON	quelrin.ico" && msiinfo export "$1" Icon | grep -q "^quelrin.ico"' -- "$msi" "$work"

mapfile -t shortcut < <(tests/packages/read_shortcut.py "$start_menu/Quelrin.lnk")
target=$(windows_path "${shortcut[0]}")
working_folder=$(windows_path "${shortcut[1]}")
check "the Start-menu shortcut starts the installed quelrin.exe" same_text "$target" "$folder/quelrin.exe"
check "in the installation folder" same_text "${working_folder%/}" "$folder"
# As the shortcut starts it: in its working folder, where dados.txt is. The
# main window shows only when the database was read. Wine's processes of the
# steps before, which have no display, are let end first.
wineserver -w
check "the installed program opens its main window and closes with Escape" \
  timeout 120 tests/windows/with_display.sh "$work/screenshots" bash -c '
    cd "$1"
    wine "$2" & program=$!
    # "Quelrin - Pressão de Vapor", in a pattern of ASCII whatever the locale
    window=$(timeout 60 xdotool search --sync --onlyvisible --name "^Quelrin - Press.+o de Vapor$" | head -n 1)
    if [ -z "$window" ]; then
      import -window root "$QUELRIN_SCREENSHOTS/installed-no-main-window.png"
      exit 1
    fi
    import -window "$window" "$QUELRIN_SCREENSHOTS/installed-main-window.png"
    xdotool windowfocus --sync "$window" key Escape
    wait "$program"' -- "$working_folder" "${shortcut[0]}"

# The user's own fluids: kept by uninstalling.
printf '1\r\nTeste Antoine 4 1000 -50 0 40 500 0.2\r\n' >"$folder/dados.txt"
check "msiexec /x uninstalls without a question" wine msiexec /x "$(winepath -w "$msi")" /qn
for file in quelrin.exe quel.chm LEIAME.txt; do
  check "$file removed" test ! -e "$folder/$file"
done
check "the shortcut removed" test ! -e "$start_menu/Quelrin.lnk"
check "the entry in Programs and Features removed" same_text "$(uninstall_entry)" ""
check "the program's registry key removed" bash -c '! wine reg query "HKCU\\Software\\Quelrin" >/dev/null 2>&1'
check "the changed dados.txt kept" \
  same_text "$(cat "$folder/dados.txt")" "$(printf '1\r\nTeste Antoine 4 1000 -50 0 40 500 0.2\r')"
wineserver -k 2>/dev/null || true

if [ "$failures" -ne 0 ]; then
  echo "package-test: $failures check(s) failed" >&2
  exit 1
fi
echo "package-test: every check passed"
