#!/usr/bin/env bash
# A file handed to the running copy by a second start, on a real (virtual)
# display, answered with real keys: the running copy must survive whatever
# the hand-over asks, and end cleanly afterwards.
#   hand_over_test.sh PROGRAM
set -uo pipefail
program_file=$1
source "$(dirname "$0")/virtual_desk.sh"
recordings 3
first="$work/music/first.grp"
second="$work/music/second & <b>.grp"
printf '%s\n1\n0:00\n' "$work/music/tips.m3u" > "$first"
printf '%s\n3\n0:02\n' "$work/music/tips.m3u" > "$second"
moved="$work/music/moved.grp"
printf '%s\n2\n0:01\n' "$work/elsewhere/gone.m3u" > "$moved"  # nor beside it

shown() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 | grep .; }
wait_for_window() { # NAME-PATTERN: prints the window id
  until_true shown "$1" >/dev/null && shown "$1"
}
alive() { kill -0 "$running" 2>/dev/null || fail "the running copy died: $1"; }
gone() { ! xdotool search --onlyvisible --name '^Cuedeck$' 2>/dev/null | grep -qx "$1"; }
# A menu of the window opened: one more window of Cuedeck's shows.
windows_shown() { xdotool search --onlyvisible --pid "$running" 2>/dev/null | wc -l; }
open_menu() { # KEYS: opens a menu with them, and returns once it shows
  local before
  before=$(windows_shown)
  xdotool key "$1"
  until_true eval '[ "$(windows_shown)" -gt "$before" ]' || fail "the $1 menu did not open"
}

"$program_file" "$first" 2>"$work/log" &
running=$!
window=$(wait_for_window '^Cuedeck - ') || fail "no window"
# The window does not wait for the player; the test does, until it is on the tip.
until_true on_the_first_tip || fail "mpv did not reach the tip"
"$program_file" --command next-tip || fail "--command next-tip"

# The place changed, so handing a group over asks whether to save it first.
"$program_file" "$second" || fail "the second start did not hand its file over"
question=$(wait_for_window '^Cuedeck$') || fail "no save question"
xdotool windowfocus --sync "$question" 2>/dev/null
# Keys meant for something else answer nothing: the question is still open
# for the No that comes after them (and a Yes would have saved the group).
xdotool key Return space y alt+n
until_true gone "$question" || fail "No did not answer the question"
alive "after answering No"
wait_for_window "^Cuedeck - $work/music/second" >/dev/null || fail "the handed group is not open"
[ "$(sed -n 2p "$first")" = 1 ] || fail "a stray key or No saved the group: $(cat "$first")"

# A group whose playlist has moved is not opened; the open one stays.
"$program_file" "$moved" || fail "the moved group was not handed over"
message=$(wait_for_window '^Cuedeck$') || fail "no message for the moved playlist"
xdotool windowfocus --sync "$message" 2>/dev/null
xdotool key Escape
until_true gone "$message" || fail "the moved playlist's message stayed"
alive "after the moved playlist's message"
wait_for_window "^Cuedeck - $work/music/second" >/dev/null || fail "the open group was closed"
[ "$(cat "$moved")" = "$(printf '%s\n2\n0:01' "$work/elsewhere/gone.m3u")" ] || fail "moved group changed"

# A group folder that travelled (copied under an odd name, the old one
# gone): it opens on its place with its playlist and recordings found
# beside it, tells so, and names them there only when saved.
old="$work/old place" new="$work/new place & <"$'\xc3\xbc'">"
mkdir -p "$new"
for i in 1 2 3; do cp "$work/music/tip $i.wav" "$new/"; echo "$old/tip $i.wav"; done >"$new/tips.m3u"
printf '%s\n2\n0:03\n' "$old/tips.m3u" >"$new/group.grp"
"$program_file" "$new/group.grp" || fail "the travelled group was not handed over"
for told in playlist recordings; do
  message=$(wait_for_window '^Cuedeck$') || fail "not told where the group's $told were found"
  xdotool windowfocus --sync "$message" 2>/dev/null
  xdotool key Escape
  until_true gone "$message" || fail "the message on the $told stayed"
done
on_the_second_tip() { [ "$(mpv_says playlist-pos)" = 1 ]; }
until_true on_the_second_tip || fail "the travelled group is not on its tip"
grep -qF "$old" "$new/group.grp" || fail "the group was written before Save"
xdotool windowfocus --sync "$window" 2>/dev/null
open_menu alt+f
xdotool key s
until_true sh -c "! grep -qF '$old' '$new/tips.m3u'" || fail "Save did not name the recordings found"
[ "$(cat "$new/group.grp")" = "$(printf 'tips.m3u\n2\n0:03')" ] || fail "saved group: $(cat "$new/group.grp")"
[ "$(cat "$new/tips.m3u")" = "$(printf 'tip 1.wav\ntip 2.wav\ntip 3.wav')" ] ||
  fail "saved playlist: $(cat "$new/tips.m3u")"

# A normal close: File, Exit; nothing changed since, so no question.
xdotool windowfocus --sync "$window" 2>/dev/null
open_menu alt+f
xdotool key Up Return
wait "$running"
status=$?
running=""
[ "$status" = 0 ] || fail "exit status $status"
pgrep -f "input-ipc-server=$work" >/dev/null && fail "the player outlived the program"
[ -e "$work/run/cuedeck/cuedeck.lock" ] && fail "the lock file stayed"
echo "hand-over: survived the save question and the moved playlist, opened a travelled group, closed cleanly"
