#!/usr/bin/env bash
# The Windows program as a user meets it under Wine, in a prefix of its own,
# beside the stand-in player (a copy of it where the player's program is
# passes the playlists handed over to it). The foot pedal the settings name
# (the stand-in writes its reports to a named pipe) plays while the middle
# pedal is down and pauses, stepped back, when it is let go; the keypad the
# settings name (the keyboard the stand-in types on) skips forward with the
# key the settings give, typed in another program. A second start
# hands its tape group to the running copy and ends, and the player is told
# once; --command and --go-to reach the running copy and exit as on Linux;
# names outside the ANSI code page and longer than MAX_PATH arrive whole; a
# start while the running copy asks something waits for nothing, and a
# command then is refused; a refused go-to holds back no later command; a
# command while the player hangs is carried out when it answers or refused; a
# Cuedeck killed by taskkill /F offers its place back at the next start; a
# player Cuedeck started is closed once Cuedeck is killed, one the user
# started never.
#
#     program_test.sh CUEDECK_EXE STANDIN_EXE
set -euo pipefail
cuedeck=$1
standin=$2

source "$(dirname "$0")/wine_desk.sh" program "$standin"

# The copies of this program that run in this prefix.
copies() { ours cuedeck.exe | wc -l; }
# The playlists handed to the player.
told() { tr -d '\r' <"$log" | sed -n 's/^hand_over //p'; }
# Whether PLAYLIST was handed to the player, waiting a while for it.
told_has() { told | grep -qxF "$1"; }
told_of() { until_true told_has "$1"; }
# Run Cuedeck with ARGS, within the deadline; its status is in $status, its standard error in $work/err.
run() {
  status=0
  timeout "$CUEDECK_TEST_DEADLINE" wine "$cuedeck" "$@" 2>"$work/err" || status=$?
}
# Whether the running copy holds commands back for a question it shows.
asking() {
  run --command tip-timer
  [ "$status" = 1 ] && grep -q 'waiting for an answer\|not carried out' "$work/err"
}

# The settings a user would have made: a back time, and the pedal.
user=$(wine cmd /c echo %USERNAME% 2>/dev/null | tr -d '\r')
pedal='\\.\pipe\cuedeck-test-pedal'
mkdir -p "$drive/users/$user/AppData/Roaming/Cuedeck"
printf 'BackTime\r\n2\r\nPedalDevice\r\n%s\r\nPedalButtons\r\n256 257 258\r\nPedalMode\r\n0\r\n' \
  "$pedal" >"$drive/users/$user/AppData/Roaming/Cuedeck/cuedeck.dat"
# And a keypad: the keyboard the stand-in types on, keypad 6 (Linux's 77)
# skipping forward.
wine "$standin" --keyboard 'Z:'"${work//\//\\}"'\keyboard' || fail "the stand-in found no keyboard"
printf 'KeypadDevice\r\n%s\r\nKeypadKeys\r\n77:forward\r\n' "$(cat "$work/keyboard")" \
  >>"$drive/users/$user/AppData/Roaming/Cuedeck/cuedeck.dat"

log="$work/standin.log"
# What the player was sent since the line count $before (its log has CRLF ends).
since() { tail -n +"$((before + 1))" "$log" | tr -d '\r'; }
wine "$standin" 'Z:'"${log//\//\\}" 3 3 0 0 30 "1. test - Winamp" &
until_true test -e "$log.ready" || fail "the stand-in player did not start"
wine "$cuedeck" 2>"$work/first.err" &
until_true grep -q PlaylistLength "$log" || fail "Cuedeck did not ask the player anything"

echo "--- the foot pedal"
before=$(wc -l <"$log")
timeout "$CUEDECK_TEST_DEADLINE" wine "$standin" --pedal "$pedal" 2 0 || fail "the pedal's pipe was not read"
until_true eval '[ "$(since | grep -c "^Pause$")" = 2 ]' || fail "the middle pedal did not play and pause: $(since | sort | uniq -c | tr "\n" " ")"
since | sed -n '/^Pause$/,$p' | sed 1d | grep -q '^JumpTo ' || fail "letting the middle pedal go did not step back"

echo "--- the keypad"
# Typed in another program, as raw input reaches Cuedeck whichever window
# has the focus: keypad 6 skips forward, keypad 5 (no key of it) does not.
before=$(wc -l <"$log")
wine "$standin" --keys 76 -76 77 -77 || fail "the stand-in could not type"
until_true eval 'since | grep -q "^Forward5Seconds$"' || fail "keypad 6 did not skip forward: $(since | sort | uniq -c | tr "\n" " ")"
[ "$(since | grep -c -E '^(Play|Pause|Forward5Seconds)$')" = 1 ] || fail "the keypad did more than skip forward once: $(since | sort | uniq -c | tr "\n" " ")"

echo "--- a second start hands its group over"
group b
run 'c:\groups\b.grp'
[ "$status" = 0 ] || fail "the second start ended with $status: $(cat "$work/err")"
told_of 'c:\groups\b.m3u' || fail "the running copy did not open b.grp: $(told)"
[ "$(told | wc -l)" = 1 ] || fail "the player was told more than once: $(told)"
[ "$(copies)" = 1 ] || fail "$(copies) copies of Cuedeck run"

echo "--- names outside the code page, and longer than MAX_PATH"
odd="Grüße € 中文 & 'q' #1"
group "$odd"
run "c:\\groups\\$odd.grp"
[ "$status" = 0 ] || fail "the hand-over of $odd ended with $status"
told_of "c:\\groups\\$odd.m3u" || fail "$odd did not arrive whole: $(told)"
long="$(printf 'a%.0s' $(seq 200))/$(printf 'b%.0s' $(seq 100))/long"
group "$long"
run "c:\\groups\\${long//\//\\}.grp"
[ "$status" = 0 ] || fail "the hand-over of a long name ended with $status"
told_of "c:\\groups\\${long//\//\\}.m3u" || fail "the long name did not arrive whole: $(told)"

echo "--- a refused go-to holds back nothing"
run --go-to "[2 00:05:00.0]"
[ "$status" = 1 ] || fail "a go-to past the tip's end ended with $status"
before=$(wc -l <"$log")
run --command next-tip
[ "$status" = 0 ] || fail "a command after a refused go-to ended with $status: $(cat "$work/err")"
since | grep -q '^NextTrack$' || fail "next-tip after a refused go-to did not move the player"

echo "--- --command and --go-to"
before=$(wc -l <"$log")
run --command next-tip
[ "$status" = 0 ] || fail "--command next-tip ended with $status: $(cat "$work/err")"
since | grep -q '^NextTrack$' || fail "next-tip did not move the player: $(since | sort | uniq -c | tr "\n" " ")"
before=$(wc -l <"$log")
run --go-to "[2 00:00:04.0]"
[ "$status" = 0 ] || fail "--go-to ended with $status: $(cat "$work/err")"
since | grep -q '^JumpTo 4000$' || fail "the go-to did not reach 4 s"
! since | grep '^SetPlaylistIndex' | grep -vqx 'SetPlaylistIndex 1' ||
  fail "the go-to did not leave the player on tip 2"
run --command no-such-command
[ "$status" = 2 ] || fail "an unknown command ended with $status"
grep -q 'no command is called "no-such-command"' "$work/err" || fail "no reason given: $(cat "$work/err")"

echo "--- while the player hangs"
# A command is carried out once the player answers again, or refused with
# the reason: never reported done when it did not reach the player.
before=$(wc -l <"$log")
wine "$standin" --hang 2500
run --command next-tip
[ "$status" = 0 ] || fail "next-tip while the player hung briefly ended with $status: $(cat "$work/err")"
since | grep -q '^NextTrack$' || fail "next-tip was reported done but did not reach the player"
wine "$standin" --hang 9000
before=$(wc -l <"$log")
run --command next-tip
[ "$status" = 1 ] || fail "next-tip while the player hung long ended with $status"
grep -q 'not answering' "$work/err" || fail "no reason given: $(cat "$work/err")"
until_true eval "since | grep -q '^PlaylistLength$'" || fail "the player was not asked again once it answered"
since | grep -q '^NextTrack$' && fail "a refused next-tip reached the player afterwards"

echo "--- while a question is shown"
# The moves above are not saved: opening another group asks first.
printf 'c:\\groups\\gone.m3u\r\n1\r\n0:00\r\n' >"$drive/groups/gone.grp"
run 'c:\groups\gone.grp'
[ "$status" = 0 ] || fail "the hand-over of a group that raises a question ended with $status"
until_true asking || fail "no question was shown: $(cat "$work/err")"
before=$(told | wc -l)
run 'c:\groups\b.grp'
[ "$status" = 0 ] || fail "a start while a question is shown ended with $status: $(cat "$work/err")"
run --command next-tip
[ "$status" = 1 ] || fail "a command while a question is shown ended with $status"
grep -q 'waiting for an answer' "$work/err" || fail "no reason given: $(cat "$work/err")"
[ "$(copies)" = 1 ] || fail "$(copies) copies of Cuedeck run"
[ "$(told | wc -l)" = "$before" ] || fail "b.grp was opened while the question is shown"

echo "--- killed, then started again: the place is offered back"
journal="$drive/users/$user/AppData/Local/Cuedeck/place"
[ -s "$journal" ] || fail "no place journal was written"
wine taskkill /F /IM cuedeck.exe >/dev/null 2>&1 || true
until_true eval '[ "$(copies)" = 0 ]' || fail "taskkill /F did not end Cuedeck"
wine "$cuedeck" 2>"$work/again.err" &
# The question holds the start: no command is taken, and the journal stays.
until_true asking || fail "no question offered the place back ($status): $(cat "$work/err")"
[ -e "$journal.set-aside" ] && fail "the journal was set aside without a question: $(cat "$journal.set-aside")"
[ -s "$journal" ] || fail "the journal is gone without a question"
echo "--- a command during the start-up's question"
# Refused at once for the question, as during any later one: not left
# waiting until the sender gives up on a Cuedeck it takes for busy.
run --command next-tip
[ "$status" = 1 ] || fail "a command during the start-up's question ended with $status"
grep -q 'waiting for an answer' "$work/err" || fail "not refused for the question: $(cat "$work/err")"
echo "--- a player Cuedeck started closes when Cuedeck is killed"
tr -d '\r' <"$log" | grep -qx close && fail "the player the user started was closed"
wine taskkill /F /IM cuedeck.exe >/dev/null 2>&1 || true
wine taskkill /F /IM "$(basename "$standin")" >/dev/null 2>&1 || true
rm -f "$journal"
started="$drive/program files/winamp/started.log"
wine "$cuedeck" 2>"$work/started.err" &
until_true grep -q PlaylistLength "$started" 2>/dev/null || fail "Cuedeck did not start the player"
kill -KILL "$(ours cuedeck.exe)"
until_true grep -q '^close' "$started" || fail "the player Cuedeck started was not closed after its end"
echo "program test passed"
