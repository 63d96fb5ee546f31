#!/usr/bin/env bash
# A run that ends without its save question, against a real mpv: killed
# (also while stopped), and killed within a second of a move. Its mpv ends
# with it; the next start offers the place the journal kept, without
# taking a stray key; Yes leaves mpv paused there and the group as on disk.
# Last, under strace, every file reaches the disk before it replaces the old.
#   crash_test.sh PROGRAM
set -uo pipefail
program_file=$1
source "$(dirname "$0")/virtual_desk.sh"
recordings 3
printf 'BackTime\n0\n' > "$work/config/cuedeck/cuedeck.dat"
journal="$work/state/cuedeck/place"
close_to() { awk -v a="$1" -v b="$2" 'BEGIN { d = a - b; exit !(d < 0.6 && d > -0.6) }'; }
ours() { pgrep -f "input-ipc-server=$work/" >/dev/null; }
no_player_of_ours() { ! ours; }
journal_says() { sed -n "s/^$1=//p" "$journal"; }
whole_journal() { # the journal is one that was written whole
  [ "$(sed -n 1p "$journal")" = "Cuedeck place journal" ] && [ "$(tail -n 1 "$journal")" = end ] &&
    [ "$(wc -l < "$journal")" = 9 ]
}
stopped() { [ "$(sed 's/.*) //' "/proc/$running/stat" | cut -c1)" = T ]; }
kill_cuedeck() { # [STOP]: kill -9, stopped first when asked; its mpv must end too
  if [ "${1:-}" = STOP ]; then
    kill -STOP "$running"
    until_true stopped || fail "Cuedeck did not stop"
  fi
  kill -KILL "$running"
  wait "$running" 2>/dev/null
  running=""
  until_true no_player_of_ours || fail "the player of a killed Cuedeck plays on"
}
question() { wait_for_question || fail "no question after the crash"; }
wait_for_question() { until_true xdotool search --onlyvisible --name '^Cuedeck$' >/dev/null; }
answer() { # KEY: alt+y or alt+n, after keys meant for something else (had one
  # of them answered, the place or the journal would not be what KEY leaves)
  local box
  box=$(xdotool search --onlyvisible --name '^Cuedeck$' | head -n 1)
  xdotool windowfocus --sync "$box" 2>/dev/null
  xdotool key Return space y "$1"
}
start_again() { # the next start, on no file: the journal alone names the group
  "$program_file" 2>>"$work/log" &
  running=$!
}
group_as_written=$(printf '%s\n1\n0:05\n' "$work/music/tips.m3u")

# Moved to tip 3 and a new zero mark there, then killed.
start_cuedeck "$program_file"
"$program_file" --go-to "[3 00:00:12.0]" || fail "--go-to"
journal_has_the_move() { [ "$(journal_says tip)" = 2 ] && [ "$(journal_says zero)" = 12000 ]; }
until_true journal_has_the_move || fail "the journal: $(cat "$journal" 2>&1)"
kill_cuedeck
start_again
question
answer alt+y
until_true xdotool search --onlyvisible --name "^Cuedeck - $group\$" >/dev/null || fail "no window"
there() { # TIP SECONDS: mpv is paused there (polled: the move takes its time)
  paused_is true && [ "$(mpv_says playlist-pos)" = "$1" ] && close_to "$(mpv_says time-pos)" "$2"
}
until_true there 2 12 || fail "Yes went to tip $(mpv_says playlist-pos), $(mpv_says time-pos)"
[ "$(cat "$group")" = "$group_as_written" ] || fail "the group was written: $(cat "$group")"

# Stopped mid-play, then killed: back to where it played at the last tick.
"$program_file" --command play-pause || fail "play"
until_true at_least 14 || fail "mpv does not play on"
# The journal follows at the ticks, written by a thread of its own, which a
# loaded machine's disk may hold up for a while.
played_on() { [ "$(journal_says position)" -gt 12500 ]; }
until_true played_on || fail "the journal kept $(journal_says position) ms of play"
kill_cuedeck STOP
played=$(journal_says position)
[ "$played" -gt 12500 ] || fail "the journal kept $played ms of play"
start_again
question
answer alt+y
until_true there 2 "$((played / 1000))" ||
  fail "went to tip $(mpv_says playlist-pos), $(mpv_says time-pos), not $played ms"

# Killed within a second of a move: the old place or the new one, whole.
"$program_file" --go-to "[1 00:00:20.0]" || fail "--go-to tip 1"
sleep 0.3
kill_cuedeck
whole_journal || fail "a torn journal: $(cat "$journal")"
[[ "$(journal_says tip):$(journal_says zero)" =~ ^(0:20000|2:1[0-9]000)$ ]] ||
  fail "neither place: $(cat "$journal")"
# No starts as usual and removes the journal; a normal end leaves none.
start_again
question
answer alt+n
until_true eval '[ ! -e "$journal" ]' || fail "No left the journal"
until_true ours || fail "no player after No"
kill -TERM "$running"; wait "$running"; running=""
[ ! -e "$journal" ] || fail "a normal end left the journal"

# The journal and the settings, each flushed before the rename and the
# folder after it, as the real program does it.
strace -f -y -qq -e trace=openat,write,fsync,rename,close -o "$work/trace" \
  "$program_file" "$group" 2>>"$work/log" &
running=$!
until_true eval '[ -e "$journal" ]' || fail "no journal under strace"
kill -TERM "$(pgrep -P "$running" -x cuedeck)" # strace passes its own on to no one
wait "$running"; running=""
for file in "$work/state/cuedeck/place" "$work/config/cuedeck/cuedeck.dat"; do
  name=${file##*/} folder=${file%/*}
  order=$(grep -F -e "/.$name." -e "\"$file\"" -e "<$folder>" "$work/trace" |
    sed -n -e 's/.*openat(.*\.'"$name"'\..*O_CREAT.*/create/p' -e 's/.*write([0-9]*<.*\/\.'"$name"'\..*/write/p' \
      -e 's/.*fsync([0-9]*<.*\/\.'"$name"'\..*/flush/p' -e 's/.*rename(.*\/\.'"$name"'\..*/rename/p' \
      -e 's/.*fsync([0-9]*<'"${folder//\//\\/}"'>.*/flush folder/p' | uniq | head -n 5 | paste -sd ' ')
  [ "$order" = "create write flush rename flush folder" ] || fail "$name was written: $order"
done
echo "crash: ok"
