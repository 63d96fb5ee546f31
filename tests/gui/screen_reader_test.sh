#!/usr/bin/env bash
# Cuedeck as a screen reader meets it: on a virtual display with the
# accessibility bus, an AT-SPI client finds every button and read-out by
# name, presses Play/Pause and hears the counter and the draft's line change
# as the sound goes on, hears where the
# work stands at the I key, and gets the STOP alert when the tip timer runs
# out. In English, and again under LANGUAGE=de.
#   screen_reader_test.sh PROGRAM
set -uo pipefail
program_file=$1
client="$(cd "$(dirname "$0")" && pwd)/screen_reader_client.py"
source "$(dirname "$0")/virtual_desk.sh"
# Qt speaks to the accessibility bus without waiting for a screen reader to
# switch it on.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 NO_AT_BRIDGE=0
recordings 2
# A draft of the first tip: the place starts in its first cue, the play
# reaches the second.
printf '1\n00:00:00,000 --> 00:00:06,000\n<v Ann>first words\n\n2\n00:00:06,000 --> 00:00:30,000\nsecond words\n' \
  > "$work/music/tip 1.srt"
# A tip timer of one minute, the shortest there is.
printf 'Tiptime\n1\nBackTime\n0\n' > "$work/config/cuedeck/cuedeck.dat"

for language in en de; do
  if [ "$language" = de ]; then export LANGUAGE=de; else unset LANGUAGE; fi
  start_cuedeck "$program_file"
  window=$(xdotool search --onlyvisible --name '^Cuedeck - ' | head -1)
  /usr/bin/python3 "$client" "$language" > "$work/client" 2>&1 &
  client_pid=$!
  until_true grep -q "^say-where\|^FAIL" "$work/client" ||
    fail "$language: the client did not get to the key: $(cat "$work/client")"
  xdotool key --window "$window" i
  wait "$client_pid"
  status=$?
  cat "$work/client"
  [ "$status" = 0 ] || fail "$language: the screen reader's client failed"
  stop_cuedeck
done
echo "PASS"
