#!/usr/bin/env bash
# Remakes docs/screenshot-windows.png: the Windows program under Wine, on a
# virtual display (Xvfb), driving the test stand-in player on a tape group
# whose fifth tip is a spoken recording, so that the bar shows its waveform.
# Needs the windows preset built (scripts/windows-tests.sh) and xvfb,
# x11-utils, espeak-ng, sox and imagemagick.
set -euo pipefail
cd "$(dirname "$0")/.."
build=build/windows
[ -x "$build/app/cuedeck.exe" ] || { echo "build the windows preset first" >&2; exit 1; }

source tests/windows/wine_env.sh wine-shot
export DISPLAY=:97
Xvfb "$DISPLAY" -screen 0 800x600x24 >/dev/null 2>&1 &
xvfb=$!
cleanup() {
  kill "$xvfb" 2>/dev/null || true
  wine_cleanup
}
trap cleanup EXIT
sleep 1

wineboot -i >/dev/null 2>&1
# MS Sans Serif and Arial's stand-ins, and window frames drawn by Wine itself.
cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1
wineserver -w

# The group: twelve tips, the fifth three minutes of speech with its pauses.
groups="$WINEPREFIX/drive_c/groups"
mkdir -p "$groups"
for tip in $(seq 12); do
  printf 'c:\\groups\\tip %s.wav\r\n' "$tip" >>"$groups/harbour.m3u"
  : >"$groups/tip $tip.wav"
done
espeak-ng -s 150 -g 12 -w "$groups/said.wav" \
  "The harbour master remembers the winter of the flood. Nobody went out for a week." 2>/dev/null
espeak-ng -s 140 -g 8 -w "$groups/answer.wav" "And then the ice came, he says." 2>/dev/null
sox "$groups/said.wav" "$groups/answer.wav" "$groups/once.wav" pad 0 1.4
sox "$groups/once.wav" "$groups/tip 5.wav" repeat 18
rm "$groups/said.wav" "$groups/answer.wav" "$groups/once.wav"
printf 'c:\\groups\\harbour.m3u\r\n5\r\n1:10\r\n' >"$groups/harbour.grp"

# Where Cuedeck looks for the player: the group is handed to the stand-in.
mkdir -p "$WINEPREFIX/drive_c/program files/winamp"
cp "$build/tests/windows/winamp_standin.exe" "$WINEPREFIX/drive_c/program files/winamp/winamp.exe"
wine "$build/tests/windows/winamp_standin.exe" 'C:\standin.log' 3 12 4 83000 185 \
  "5. Interview with the harbour master - Winamp" &
sleep 2
wine "$build/app/cuedeck.exe" 'c:\groups\harbour.grp' &
sleep 8
geometry=$(xwininfo -root -tree | grep '"Cuedeck - ' | head -n 1 |
           grep -oE '[0-9]+x[0-9]+\+-?[0-9]+\+-?[0-9]+' | head -n 1)
import -window root -crop "$geometry" +repage docs/screenshot-windows.png
echo "wrote docs/screenshot-windows.png ($geometry)"
