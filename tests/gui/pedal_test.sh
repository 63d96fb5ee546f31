#!/usr/bin/env bash
# A foot pedal against a real mpv: the settings name a pipe the test writes
# the pedal's input records to, as the kernel writes them.
#   pedal_test.sh PROGRAM PEDAL_EVENTS
set -uo pipefail
program_file=$1
pedal_events=$2
source "$(dirname "$0")/virtual_desk.sh"
flooding=""
extra_cleanup() {
  exec 3>&- 2>/dev/null
  [ -n "$flooding" ] && { pkill -P "$flooding" 2>/dev/null; kill "$flooding" 2>/dev/null; }
  exec 3<>"$work/pedal" 2>/dev/null # a writer still blocked on the pipe gets a reader
}
recordings
mkfifo "$work/pedal"
printf 'BackTime\n2\nPedalDevice\n%s\nPedalButtons\n256 257 258\nPedalMode\n0\n' \
  "$work/pedal" > "$work/config/cuedeck/cuedeck.dat"

start_cuedeck "$program_file"
exec 3>"$work/pedal" # the pedal is plugged in
place=$(mpv_says time-pos)
"$pedal_events" 258:1 258:0 >&3 # right: forward 5 s
until_true at_least "$(plus "$place" 4.5)" || fail "the right pedal did not skip forward"
place=$(mpv_says time-pos)
"$pedal_events" 258:1 >&3 # right held: forward again every half second
until_true at_least "$(plus "$place" 9.5)" || fail "the held right pedal did not repeat"
"$pedal_events" 258:0 >&3
"$pedal_events" 257:1 >&3 # middle down: play
until_true paused_is false || fail "the middle pedal did not play"
until_true at_least 21 || fail "mpv does not play on"
before=$(mpv_says time-pos)
"$pedal_events" 257:0 >&3 # middle up: pause, stepped back
until_true paused_is true || fail "letting the middle pedal go did not pause"
below "$(mpv_says time-pos)" "$before" ||
  fail "no step back on the pause: $before, then $(mpv_says time-pos)"
exec 3>&- # unplugged
# Taking the pedal up again below shows that Cuedeck lived through this.
exec 3>"$work/pedal" # plugged in again: taken up without a restart
place=$(mpv_says time-pos)
"$pedal_events" 256:1 256:0 >&3 # left: back 5 s
until_true below "$(mpv_says time-pos)" "$(plus "$place" -4.5)" ||
  fail "the pedal was not taken up again: $(mpv_says time-pos)"
exec 3>&-
stop_cuedeck

# Set to step by cue, with a draft beside the tip, the side pedals move from
# cue to cue.
printf '1\n00:00:02,000 --> 00:00:07,000\none\n\n2\n00:00:07,000 --> 00:00:12,500\ntwo\n' \
  > "$work/music/tip 1.srt"
printf 'PedalDevice\n%s\nPedalButtons\n256 257 258\nPedalMode\n0\nPedalCues\n1\n' \
  "$work/pedal" > "$work/config/cuedeck/cuedeck.dat"
start_cuedeck "$program_file" # at 0:05, in the first cue
exec 3>"$work/pedal"
near() { awk -v a="$(mpv_says time-pos)" -v b="$1" 'BEGIN { exit !(a > b - 0.25 && a < b + 0.05) }'; }
"$pedal_events" 258:1 258:0 >&3
until_true near 7.0 || fail "the right pedal did not go to the next cue: $(mpv_says time-pos)"
"$pedal_events" 256:1 256:0 >&3
until_true near 2.0 || fail "the left pedal did not go to the cue before: $(mpv_says time-pos)"
exec 3>&-
stop_cuedeck
rm "$work/music/tip 1.srt"

# A pedal path that never stops giving bytes, and paths that are no pedal:
# the program starts, names what is no pedal once, takes commands at once
# and ends at SIGTERM.
flood() { cat /dev/zero > "$work/pedal" 2>/dev/null; }
for device in /dev/zero "$work/music" "$work/pedal"; do
  printf 'PedalDevice\n%s\nPedalButtons\n256 257 258\nPedalMode\n0\n' "$device" \
    > "$work/config/cuedeck/cuedeck.dat"
  [ "$device" = "$work/pedal" ] && { flood >/dev/null 2>&1 & flooding=$!; }
  start_cuedeck "$program_file"
  "$program_file" --command next-tip || fail "--command next-tip with $device as the pedal"
  until_true [ "$(mpv_says playlist-pos)" = 1 ] || fail "next-tip not carried out with $device"
  if [ "$device" = "$work/pedal" ]; then
    grep -q "foot pedal" "$work/log" && fail "a pipe was refused as a pedal"
  else
    [ "$(grep -c "foot pedal $device is not used: .*not an input device" "$work/log")" = 1 ] ||
      fail "$device was not named once as no input device"
  fi
  stop_cuedeck
  [ -n "$flooding" ] && { pkill -P "$flooding" 2>/dev/null; kill "$flooding" 2>/dev/null; }
  flooding=""
done
echo "foot pedal: ok"
