#!/usr/bin/env bash
# The keys for every window on a real (virtual) X display against a real mpv:
# another program's window has the focus, the function keys reach Cuedeck
# and not that window, and a key another program holds is named as taken.
#   global_keys_test.sh PROGRAM GRAB_KEY
set -uo pipefail
program_file=$1
grab_key=$2
source "$(dirname "$0")/virtual_desk.sh"
other="" holder=""
extra_cleanup() { for pid in $other $holder; do kill -KILL "$pid" 2>/dev/null; done; }
recordings
settings="$work/config/cuedeck/cuedeck.dat"

# A window of another program, holding the focus; it logs every key it gets.
xev -name other-program -geometry 300x200+450+350 > "$work/other.log" 2>&1 &
other=$!
until_true xdotool search --name '^other-program$' > /dev/null || fail "no other window"
other_window=$(xdotool search --name '^other-program$' | head -n 1)

start() { # GLOBALKEYS
  printf 'BackTime\n2\nGlobalKeys\n%s\n' "$1" > "$settings"
  start_cuedeck "$program_file"
  xdotool windowfocus --sync "$other_window" || fail "could not focus the other window"
}
focus_stayed() { [ "$(xdotool getwindowfocus)" = "$other_window" ] || fail "the focus moved"; }

# F12 is held by another program before Cuedeck starts.
"$grab_key" 12 > "$work/holder" &
holder=$!
until_true grep -q held "$work/holder" || fail "the test could not hold F12"

start 1
until_true grep -q "F12 is taken by another program" "$work/log" || fail "F12 not named as taken"
place=$(mpv_says time-pos)
xdotool key F8
until_true at_least "$(plus "$place" 4.5)" || fail "F8 did not move mpv forward: $(mpv_says time-pos)"
paused_is true || fail "F8 started playing"
xdotool key F4
until_true paused_is false || fail "F4 did not play"
until_true at_least 11 || fail "mpv does not play on"
before=$(mpv_says time-pos)
xdotool key F4
until_true paused_is true || fail "F4 did not pause"
below "$(mpv_says time-pos)" "$before" ||
  fail "no step back on the pause: $before, then $(mpv_says time-pos)"
grep -q KeyPress "$work/other.log" && fail "the other window received the keys"
focus_stayed
stop_cuedeck

# Off: the keys are the other window's again. Also on a desk with no
# session bus, where Cuedeck says it has none and starts none.
without_session_bus
start 0
place=$(mpv_says time-pos)
xdotool key F8
until_true grep -q "F8" "$work/other.log" || fail "with the choice off, F8 did not reach the other window"
[ "$(mpv_says time-pos)" = "$place" ] || fail "with the choice off, F8 moved mpv"
focus_stayed
stop_cuedeck
echo "keys for every window: ok"
