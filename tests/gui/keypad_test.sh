#!/usr/bin/env bash
# A keypad against a real mpv: the settings name a pipe the test writes the
# keypad's input records to, as the kernel writes them (with its repeats).
#   keypad_test.sh PROGRAM PEDAL_EVENTS
set -uo pipefail
program_file=$1
key_events=$2
source "$(dirname "$0")/virtual_desk.sh"
flooding=""
stop_flood() {
  [ -n "$flooding" ] && { pkill -P "$flooding" 2>/dev/null; kill "$flooding" 2>/dev/null; }
  flooding=""
}
extra_cleanup() {
  exec 3>&- 2>/dev/null
  stop_flood
  exec 3<>"$work/keypad" 2>/dev/null # a writer still blocked on the pipe gets a reader
}
keypad_settings() { # DEVICE
  printf 'BackTime\n2\nKeypadDevice\n%s\nKeypadKeys\n79:forward 80:play-while-held 81:volume-down\n' \
    "$1" > "$work/config/cuedeck/cuedeck.dat"
}
recordings
mkfifo "$work/keypad"
keypad_settings "$work/keypad"

start_cuedeck "$program_file"
exec 3>"$work/keypad" # the keypad is plugged in
place=$(mpv_says time-pos)
"$key_events" 79:1 79:0 >&3 # forward 5 s
until_true at_least "$(plus "$place" 4.5)" || fail "the forward key did not skip"
place=$(mpv_says time-pos)
"$key_events" 79:1 79:2 79:2 79:0 >&3 # held: forward again at each repeat
until_true at_least "$(plus "$place" 14.5)" || fail "the held key did not repeat"
"$key_events" 80:1 80:2 >&3 # play while held
until_true paused_is false || fail "the play-while-held key did not play"
until_true at_least 26 || fail "mpv does not play on"
before=$(mpv_says time-pos)
"$key_events" 80:0 >&3 # let go: pause, stepped back
until_true paused_is true || fail "letting the key go did not pause"
below "$(mpv_says time-pos)" "$before" ||
  fail "no step back on the pause: $before, then $(mpv_says time-pos)"

# Unplugged while held: the pause of its release, and the window takes
# commands at once meanwhile; plugged in again, the keypad is taken up.
"$key_events" 80:1 >&3
until_true paused_is false || fail "the play-while-held key did not play again"
before=$(mpv_says time-pos)
exec 3>&- # unplugged
until_true paused_is true || fail "unplugging the keypad with a key held did not pause"
below "$(mpv_says time-pos)" "$before" ||
  fail "unplugged, no pause with its step back: $before, then $(mpv_says time-pos)"
"$program_file" --command next-tip || fail "--command next-tip with the keypad unplugged"
until_true [ "$(mpv_says playlist-pos)" = 1 ] || fail "next-tip not carried out, keypad unplugged"
exec 3>"$work/keypad"
place=$(mpv_says time-pos)
"$key_events" 79:1 79:0 >&3
until_true at_least "$(plus "$place" 4.5)" || fail "the keypad was not taken up again"
exec 3>&-
stop_cuedeck

# A keypad that floods (its key held and repeating without end, its volume
# key's commands each waiting for mpv), and paths that are no keypad: the
# program starts, names what is no keypad once, takes commands at once and
# ends at SIGTERM.
"$key_events" 81:1 $(printf '81:2 %.0s' $(seq 20000)) > "$work/records"
flood() { while :; do cat "$work/records"; done > "$work/keypad" 2>/dev/null; }
for device in /dev/zero "$work/music" "$work/keypad"; do
  keypad_settings "$device"
  [ "$device" = "$work/keypad" ] && { flood >/dev/null 2>&1 & flooding=$!; }
  start_cuedeck "$program_file"
  "$program_file" --command next-tip || fail "--command next-tip with $device as the keypad"
  until_true [ "$(mpv_says playlist-pos)" = 1 ] || fail "next-tip not carried out with $device"
  if [ "$device" = "$work/keypad" ]; then
    grep -q "keypad" "$work/log" && fail "a pipe was refused as a keypad"
    until_true below "$(mpv_says volume)" 100 || fail "the flooding keypad was not read"
  else
    [ "$(grep -c "keypad $device is not used: .*not an input device" "$work/log")" = 1 ] ||
      fail "$device was not named once as no input device"
  fi
  stop_cuedeck
  stop_flood
done
echo "keypad: ok"
