#!/usr/bin/env bash
# Make Draft from the command line, against a real mpv: PocketSphinx (the
# default where it is installed) drafts a spoken tip; then a stand-in
# recognizer of the user's drafts the loop's stretch only, the draft before
# kept beside it; a stopped one leaves no process and no file.
#   make_draft_test.sh PROGRAM
set -uo pipefail
program_file=$1
source "$(dirname "$0")/virtual_desk.sh"
recordings 2
# The recognitions' folders go here, apart from other tests' run meanwhile.
mkdir -p "$work/tmp"
export TMPDIR="$work/tmp"
draft="$work/music/tip 1.srt"
# Tip 1 spoken: two phrases, two seconds apart.
espeak-ng -w "$work/one.wav" "hello world" && espeak-ng -w "$work/two.wav" "good morning" &&
  sox "$work/one.wav" "$work/first.wav" pad 0 2 && sox "$work/first.wav" "$work/two.wav" "$work/music/tip 1.wav" pad 0 20 ||
  fail "espeak-ng or sox"
: > "$work/config/cuedeck/cuedeck.dat"
start_cuedeck "$program_file"
"$program_file" --command make-draft || fail "--command make-draft"
until_true test -s "$draft" || fail "no draft was written"
# Decoding ran in the helper: Cuedeck's own process maps no FFmpeg library.
! grep -q 'libav\(codec\|format\)' "/proc/$running/maps" || fail "Cuedeck maps FFmpeg"
grep -q -- '-->' "$draft" || fail "the draft is no SRT: $(cat "$draft")"
# Shown at once: the running copy has it as the tip's draft.
until_true "$program_file" --command copy-draft || fail "--command copy-draft"
xclip -selection clipboard -o 2>/dev/null | grep -q '^\[1 00:00:0' ||
  fail "the draft is not shown: $(xclip -selection clipboard -o 2>/dev/null)"
# From outside nobody may be there to answer "Replace?": told, never asked.
# A later command is carried out only while no box asks.
cp "$draft" "$work/first"
"$program_file" --command make-draft || fail "make-draft with a draft there"
"$program_file" --command copy-draft || fail "a box asks from a command"
! xdotool search --onlyvisible --name '^Entwurf erstellen$|^Make Draft$' >/dev/null ||
  fail "a box asks from a command"
cmp -s "$draft" "$work/first" || fail "the draft was replaced unasked"
stop_cuedeck

# A recognizer of the user's, given the stretch; slow while $work/slow
# exists, its id then in $work/slow.pid.
cat > "$work/recognizer" <<'SCRIPT'
#!/bin/sh
[ -e "$(dirname "$0")/slow" ] && { echo $$ > "$(dirname "$0")/slow.pid"; exec sleep 60; }
printf '1\n00:00:00,500 --> 00:00:01,000\nthe stretch from %s\n' "$2" > "$1.srt"
SCRIPT
chmod +x "$work/recognizer"
printf 'Recognizer\n3\nRecognizerCommand\n%s {output} {start_ms}\n' "$work/recognizer" \
  > "$work/config/cuedeck/cuedeck.dat"
before=$(cat "$draft")
start_cuedeck "$program_file"
"$program_file" --go-to "[1 00:00:10.0]" && "$program_file" --command loop &&
  "$program_file" --command play-pause || fail "the loop's start"
until_true at_least 12 || fail "mpv does not play"
"$program_file" --command loop || fail "the loop's end"
"$program_file" --command make-draft-of-loop || fail "--command make-draft-of-loop"
until_true grep -q "the stretch from 10000" "$draft" || fail "the stretch was not drafted"
grep -q '^00:00:10,500 --> 00:00:11,000$' "$draft" || fail "the stretch's cue: $(cat "$draft")"
[ "$(cat "$draft~")" = "$before" ] || fail "the draft before was not kept"
[ "$(grep -c -- '-->' "$draft")" -gt 1 ] || fail "the cues outside the stretch went: $(cat "$draft")"

# Stopped mid-run: no recognizer and no new draft are left.
touch "$work/slow"
cp "$draft" "$work/kept"
"$program_file" --command make-draft-of-loop || fail "make-draft-of-loop, slow"
until_true test -s "$work/slow.pid" || fail "the slow recognizer did not start"
slow=$(cat "$work/slow.pid")
"$program_file" --command stop-making-draft || fail "--command stop-making-draft"
# Gone, or a zombie that nobody waits for any more.
gone() { [ "$(sed 's/.*) \(.\).*/\1/' "/proc/$slow/stat" 2>/dev/null || echo Z)" = Z ]; }
until_true gone || { kill -KILL "$slow"; fail "the recognizer outlived its stop"; }
cmp -s "$draft" "$work/kept" || fail "a stopped draft changed the file"
[ -z "$(ls -A "$work/tmp")" ] || fail "its folder was left: $(ls "$work/tmp")"
stop_cuedeck
echo "make_draft_test: passed"
