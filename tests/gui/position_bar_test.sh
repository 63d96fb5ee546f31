#!/usr/bin/env bash
# The position bar against a real mpv: the waveform is made and cached, a
# click at the bar's middle moves there (one undo back), Shift+Right lands
# where the next phrase begins, the loop, the aids and the speed send well
# formed change signals, and a second run takes the cached waveform.
#   position_bar_test.sh PROGRAM
set -uo pipefail
program_file=$1
# A screen the whole window fits: the click below is aimed by the client
# area's proportions, which hold only while none of it is scrolled away (a
# taller font, as Debian 13's Nimbus Sans, fills 800x600).
desk_screen=1024x768x24
source "$(dirname "$0")/virtual_desk.sh"
export XDG_CACHE_HOME="$work/cache"
# One tip: 3 s of tone, 0.6 s of silence, five times over, then 3 s more.
tip="$work/music/spoken & <odd> tip.wav"
sox -q -n -r 22050 -c 1 "$work/music/part.wav" synth 3 sine 440 : synth 0.6 sine 440 vol 0 || fail "sox"
sox -q "$work/music/part.wav" "$work/music/tail.wav" synth 3 sine 440 || fail "sox"
sox -q "$work/music/part.wav" "$work/music/part.wav" "$work/music/part.wav" "$work/music/part.wav" \
  "$work/music/part.wav" "$work/music/tail.wav" "$tip" || fail "sox"
echo "$tip" > "$work/music/tips.m3u"
group="$work/music/group.grp"
printf 'BackTime\n0\n' > "$work/config/cuedeck/cuedeck.dat"
near() { awk -v a="$(mpv_says time-pos)" -v b="$1" -v d="$2" 'BEGIN { e = a - b; exit !(a != "" && e < d && e > -d) }'; }
cached() { ls "$work/cache/cuedeck/"*.wave >/dev/null 2>&1; }
start_cuedeck "$program_file"
until_true cached || fail "no waveform in the cache"
window=$(xdotool search --onlyvisible --name '^Cuedeck - ' | head -1)

# Paused at 0:05: the next phrase begins at 7.2 s. mpv, paused, counts its
# output's buffer (up to 0.2 s) before the place it reports.
xdotool key --window "$window" shift+Right
until_true near 7.2 0.25 || fail "Shift+Right reached $(mpv_says time-pos), not 7.2"

# The bar's middle: the window's middle across, 98 of the 212 dialog units
# of the client area down, under a menu bar of about 20 pixels; measured in
# the window, wherever the window manager framed and put it.
eval "$(xdotool getwindowgeometry --shell "$window")"
x=$((WIDTH / 2)) y=$((20 + (HEIGHT - 20) * 98 / 212))
length=$(mpv_says duration)
xdotool mousemove --window "$window" "$x" "$y" click 1
until_true near "$(awk -v l="$length" 'BEGIN { print l / 2 }')" 1 ||
  fail "a click at the bar's middle reached $(mpv_says time-pos) of $length"
xdotool key --window "$window" BackSpace # undo: back where the click left (in whole seconds)
until_true near 7 0.3 || fail "undo after the click reached $(mpv_says time-pos)"

# The loop set twice, the aids and the speed, as a macro or the desktop's
# media widget drive them: Cuedeck carries each out and lives on, and the
# change signals it sends meanwhile are well formed (stop_cuedeck checks).
xdotool key --window "$window" space
# The loop's two ends 5 s apart, playing or not (the same place twice ends it).
for name in faster reduce-noise voice-band phrase-back loop forward loop; do
  "$program_file" --command "$name" 2>>"$work/log" || fail "--command $name was not carried out"
done
until_true grep -q 'string "LoopStatus"' "$work/signals" || fail "no listener heard of the loop"
stop_cuedeck

# Again: the waveform is the cached one, not made again.
# A waveform made again is a new file: another inode, another time.
made=$(stat -c '%i %.9Y' "$work/cache/cuedeck/"*.wave)
start_cuedeck "$program_file"
window=$(xdotool search --onlyvisible --name '^Cuedeck - ' | head -1)
xdotool key --window "$window" shift+Right
until_true near 7.2 0.25 || fail "after a restart Shift+Right reached $(mpv_says time-pos)"
[ "$(stat -c '%i %.9Y' "$work/cache/cuedeck/"*.wave)" = "$made" ] ||
  fail "the cached waveform was made again"
stop_cuedeck
echo "position bar: ok"
