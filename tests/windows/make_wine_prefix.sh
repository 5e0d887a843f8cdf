#!/usr/bin/env bash
# Makes the private Wine prefix of the tests (WINEPREFIX) once: Wine's
# defaults, and a virtual desktop, in which Wine draws the windows' captions
# itself where there is no window manager.
set -euo pipefail
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  wineboot -i
fi
# The symbols of the caption buttons, from Wine's own fonts (fonts-wine),
# which this Wine does not find by itself.
if [ -f /usr/share/wine/fonts/marlett.ttf ]; then
  cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
fi
wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null
wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null
wineserver -w
