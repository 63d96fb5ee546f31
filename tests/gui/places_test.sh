#!/usr/bin/env bash
# Places between a transcript and a real mpv, from the command line: the
# place copied is on the clipboard (and the selection), and --go-to moves the
# running copy there, with --command's exit codes.
#   places_test.sh PROGRAM
set -uo pipefail
program_file=$1
source "$(dirname "$0")/virtual_desk.sh"
recordings 3
printf 'BackTime\n0\n' > "$work/config/cuedeck/cuedeck.dat"
start_cuedeck "$program_file"
close_to() { awk -v a="$1" -v b="$2" 'BEGIN { d = a - b; exit !(d < 0.2 && d > -0.2) }'; }

"$program_file" --command next-tip || fail "next-tip"
"$program_file" --command play-pause || fail "play"
until_true at_least 1.5 || fail "mpv does not play"
# mpv plays on meanwhile: the place copied lies between mpv's place before
# and after (a tenth either side for its rounding).
before=$(mpv_says time-pos)
"$program_file" --command copy-place || fail "--command copy-place"
after=$(mpv_says time-pos)
copied=$(xclip -selection clipboard -o 2>/dev/null)
[[ "$copied" =~ ^\[2\ 00:00:([0-9][0-9]\.[0-9])\]$ ]] || fail "copied: '$copied'"
awk -v c="${BASH_REMATCH[1]}" -v a="$before" -v b="$after" 'BEGIN { exit !(c > a - 0.1 && c < b + 0.1) }' ||
  fail "copied ${BASH_REMATCH[1]}, mpv was at $before before and $after after"
[ "$(xclip -selection primary -o 2>/dev/null)" = "$copied" ] || fail "not the selection too"

"$program_file" --go-to "[3 00:00:04.0]" || fail "--go-to"
until_true paused_is true || fail "--go-to did not pause"
[ "$(mpv_says playlist-pos)" = 2 ] || fail "--go-to did not reach tip 3"
close_to "$(mpv_says time-pos)" 4.0 || fail "--go-to reached $(mpv_says time-pos)"
"$program_file" --go-to "Ann: #0:00:07.5# yes" || fail "--go-to with text around"
close_to "$(mpv_says time-pos)" 7.5 || fail "--go-to reached $(mpv_says time-pos)"
# A subtitle line names its start to the millisecond.
# Paused after a move, mpv tells its place less up to a tenth of its output's
# latency (more or less from one move to the next): a place cut to whole
# seconds, as before, would fall far outside.
near() { awk -v a="$1" -v b="$2" 'BEGIN { d = a - b; exit !(d < 0.03 && d > -0.15) }'; }
"$program_file" --go-to "00:00:04,550 --> 00:00:06,000" || fail "--go-to an SRT line"
near "$(mpv_says time-pos)" 4.55 || fail "--go-to an SRT line reached $(mpv_says time-pos)"
# A draft beside tip 3, copied as a transcript: each line goes back to its place.
printf '1\n00:00:01,500 --> 00:00:03,000\n<v Ann>well\n\n2\n00:00:09,200 --> 00:00:11,000\nyes\n' \
  > "$work/music/tip 3.srt"
"$program_file" --command copy-draft || fail "--command copy-draft"
transcript=$(xclip -selection clipboard -o 2>/dev/null)
[ "$transcript" = $'[3 00:00:01.5] Ann: well\n[3 00:00:09.2] yes' ] || fail "copied draft: '$transcript'"
while IFS= read -r line; do
  "$program_file" --go-to "$line" || fail "--go-to '$line'"
  near "$(mpv_says time-pos)" "$(sed 's/^\[3 00:00:\([0-9.]*\)\].*/\1/' <<<"$line")" ||
    fail "'$line' reached $(mpv_says time-pos)"
done <<<"$transcript"
"$program_file" --go-to "Ann: #0:00:07.5# yes" || fail "--go-to with text around"
"$program_file" --go-to "[9 00:00:01.0]" 2>"$work/refused"
[ $? = 1 ] || fail "a tip beyond the list was not refused with 1"
grep -q "the playlist has 3 tips" "$work/refused" || fail "refusal: $(cat "$work/refused")"
close_to "$(mpv_says time-pos)" 7.5 || fail "a refused go-to moved mpv"
box_open() { xdotool search --onlyvisible --name '^Cuedeck$' >/dev/null; }
# A refusal is told in the window's status, never in a box that would hold
# back the next command until someone answered it.
[ "$(mpv_says playlist-pos)" = 2 ] || fail "not on tip 3 before the refusals"
# The next command is carried out, not refused for a question open.
"$program_file" --command copy-place || fail "the command after a refusal was not carried out"
! box_open || fail "the tip beyond the list was told in a box"

# Places that cannot be: past another tip's end (each tip lasts 0:30), a
# tip number beyond the list however large. Refused, nothing moved, and the
# next command is carried out.
for place in "[2 00:00:40.0]" "[10000 00:00:01.0]" "Tape 12345 00:00:03.0"; do
  "$program_file" --go-to "$place" 2>"$work/refused"
  [ $? = 1 ] || fail "$place was not refused with 1"
  [ "$(mpv_says playlist-pos)" = 2 ] || fail "$place moved mpv to tip $(mpv_says playlist-pos)"
  close_to "$(mpv_says time-pos)" 7.5 || fail "$place moved mpv to $(mpv_says time-pos)"
  grep -q "Cannot go to" "$work/refused" || fail "$place refused: $(cat "$work/refused")"
  ! box_open || fail "$place was told in a box"
done
"$program_file" --command last-tip 2>"$work/refused" ||
  fail "a command after the refusals was not carried out: $(cat "$work/refused")"
[ "$(mpv_says playlist-pos)" = 1 ] || fail "last-tip after the refusals did not move mpv"
"$program_file" --command next-tip || fail "next-tip was not carried out"
on_tip_3() { [ "$(mpv_says playlist-pos)" = 2 ]; }
until_true on_tip_3 || fail "next-tip did not move mpv"
"$program_file" --go-to "Ann: #0:00:07.5# yes" || fail "--go-to back to 7.5"

# A text longer than the channel carries: said so, and echoed shortly.
"$program_file" --go-to "$(head -c 110000 /dev/zero | tr '\0' 'a') 0:01" 2>"$work/refused"
[ $? = 1 ] || fail "a text too long was not refused with 1"
grep -q "too long" "$work/refused" || fail "too long: $(head -c 300 "$work/refused")"
[ "$(wc -c < "$work/refused")" -lt 400 ] || fail "the refusal echoes the whole text"

# A copy that does not answer (stopped) does not carry out later what its
# sender was told was not carried out.
# Its sender gives up after the 5 s the README names (well before the 15 s
# a begun command's answer may take).
kill -STOP "$running"
SECONDS=0
"$program_file" --command last-tip 2>"$work/refused"
status=$? waited=$SECONDS
kill -CONT "$running"
[ "$status" = 1 ] || fail "a stopped copy's command did not end with 1"
[ "$waited" -lt 10 ] || fail "the sender waited $waited s for a stopped copy"
grep -q "not carried out" "$work/refused" || fail "stopped: $(cat "$work/refused")"
"$program_file" --command tip-timer || fail "the copy does not answer again" # after the other
[ "$(mpv_says playlist-pos)" = 2 ] || fail "the command given up on was carried out afterwards"
stop_cuedeck
"$program_file" --go-to "1:00" 2>/dev/null
[ $? = 1 ] || fail "--go-to without a running copy did not end with 1"
echo "places: ok"
