#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, only those missing.
set -euo pipefail

packages=(g++ cmake ninja-build make libgtest-dev libgmock-dev googletest libbenchmark-dev locales binutils-mingw-w64-x86-64 mingw-w64-x86-64-dev
  libcli11-dev libplplot-dev plplot-driver-cairo pkg-config
  clang libclang-rt-14-dev clang-format valgrind)
# Floating-point numbers as text, header-only, for every compiler alike.
packages+=(libfast-float-dev libfmt-dev)
# The Windows program: cross compiler, icon tools, and Wine with a private X
# display for its tests; zip for its package.
packages+=(g++-mingw-w64-x86-64-posix librsvg2-bin icoutils wine wine64 fonts-wine xvfb imagemagick zip)
# The GTK program, its help (chmcmd, and xchm to read it) and its
# end-to-end test (a private X server, input events, the accessibility tree).
packages+=(libgtkmm-3.0-dev libglib2.0-dev-bin librsvg2-common adwaita-icon-theme fp-utils xchm
           xauth xdotool dbus at-spi2-core python3-pyatspi gir1.2-atspi-2.0 python3-gi)
# scripts/measure-gtk.py watches the screen's pixels change through X DAMAGE.
packages+=(python3-xlib)
# The web page: emscripten (with the Node modules its tools run on), its
# tests under Node, and its browser test in headless Chromium.
packages+=(emscripten nodejs node-acorn chromium chromium-driver python3-selenium
           fonts-liberation)
# The packages and their test: the Debian package (CPack runs file and
# dpkg-shlibdeps), its checkers (lintian, appstreamcli, man), and the Windows
# installer (wixl, msibuild and msiinfo).
packages+=(dpkg-dev file lintian appstream man-db wixl msitools)

if [ "$(id -u)" -eq 0 ]; then sudo=(); else sudo=(sudo); fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  "${sudo[@]}" apt-get update -q
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# A decimal-comma locale, for the tests that read and write numbers under one.
if ! locale -a 2>/dev/null | grep -qix 'pt_BR.utf8'; then
  "${sudo[@]}" localedef -i pt_BR -f UTF-8 pt_BR.UTF-8
fi
