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
"$program_file" --command copy-place || fail "--command copy-place"
now=$(mpv_says time-pos)
copied=$(xclip -selection clipboard -o 2>/dev/null)
[[ "$copied" =~ ^\[2\ 00:00:([0-9][0-9]\.[0-9])\]$ ]] || fail "copied: '$copied'"
close_to "${BASH_REMATCH[1]}" "$now" || fail "copied ${BASH_REMATCH[1]}, mpv is at $now"
[ "$(xclip -selection primary -o 2>/dev/null)" = "$copied" ] || fail "not the selection too"

"$program_file" --go-to "[3 00:00:04.0]" || fail "--go-to"
until_true paused_is true || fail "--go-to did not pause"
[ "$(mpv_says playlist-pos)" = 2 ] || fail "--go-to did not reach tip 3"
close_to "$(mpv_says time-pos)" 4.0 || fail "--go-to reached $(mpv_says time-pos)"
"$program_file" --go-to "Ann: #0:00:07.5# yes" || fail "--go-to with text around"
close_to "$(mpv_says time-pos)" 7.5 || fail "--go-to reached $(mpv_says time-pos)"
"$program_file" --go-to "[9 00:00:01.0]" 2>"$work/refused"
[ $? = 1 ] || fail "a tip beyond the list was not refused with 1"
grep -q "the playlist has 3 tips" "$work/refused" || fail "refusal: $(cat "$work/refused")"
close_to "$(mpv_says time-pos)" 7.5 || fail "a refused go-to moved mpv"
stop_cuedeck
"$program_file" --go-to "1:00" 2>/dev/null
[ $? = 1 ] || fail "--go-to without a running copy did not end with 1"
echo "places: ok"
