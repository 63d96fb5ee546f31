#!/usr/bin/env bash
# Remakes docs/screenshot-windows.png: the Windows program under Wine, on a
# virtual display (Xvfb), driving the test stand-in player. Needs the
# windows preset built (scripts/windows-tests.sh) and xvfb, x11-utils and
# imagemagick.
set -euo pipefail
cd "$(dirname "$0")/.."
build=build/windows
[ -x "$build/app/cuedeck.exe" ] || { echo "build the windows preset first" >&2; exit 1; }

WINEPREFIX=$(mktemp -d /tmp/cuedeck-wine-shot-XXXXXX)
export WINEPREFIX WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winealsa.drv=d"
export DISPLAY=:97
Xvfb "$DISPLAY" -screen 0 800x600x24 >/dev/null 2>&1 &
xvfb=$!
cleanup() {
  wineserver -k 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
  rm -rf "$WINEPREFIX"
}
trap cleanup EXIT
sleep 1

wineboot -i >/dev/null 2>&1
# MS Sans Serif and Arial's stand-ins, and window frames drawn by Wine itself.
cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1
wineserver -w

wine "$build/tests/windows/winamp_standin.exe" 'C:\standin.log' 3 12 4 83000 185 \
  "5. Interview with the harbour master - Winamp" &
sleep 2
wine "$build/app/cuedeck.exe" &
sleep 4
geometry=$(xwininfo -root -tree | grep '"Cuedeck - Winamp for Tape Groups"' | head -n 1 |
           grep -oE '[0-9]+x[0-9]+\+-?[0-9]+\+-?[0-9]+' | head -n 1)
import -window root -crop "$geometry" +repage docs/screenshot-windows.png
echo "wrote docs/screenshot-windows.png ($geometry)"
