#!/usr/bin/env bash
# Cuedeck for Windows where no player runs: it starts the player (the
# stand-in at the player's path, whose window comes up a while after its
# start) and hands it the group's list only once that window answers: one
# player, the list handed over once, the group's tip chosen. The watcher
# beside Cuedeck guards that player: one killed is replaced, and once
# Cuedeck is killed the player is closed (also one whose window is not up
# yet), as at Cuedeck's own close.
#
#     started_player_test.sh CUEDECK_EXE STANDIN_EXE
set -euo pipefail
cuedeck=$1
standin=$2

source "$(dirname "$0")/wine_desk.sh" started "$standin"

# What the started player logged (it adds to this; CRLF ends).
started="$drive/program files/winamp/started.log"
logged() { if [ -e "$started" ]; then tr -d '\r' <"$started"; fi; }
logged_has() { logged | grep -qxF "$1"; }
players() { ours winamp.exe | wc -l; }
players_are() { [ "$(players)" = "$1" ]; }
watchers() { ours cuedeck-watch.e; }
one_watcher() { [ "$(watchers | wc -l)" = 1 ]; }

group g
printf 'c:\\groups\\g.m3u\r\n2\r\n0:03\r\n' >"$drive/groups/g.grp"

echo "--- no player runs: Cuedeck starts one, and hands it the list once it answers"
CUEDECK_STANDIN_WINDOW_AFTER_MS=1500 wine "$cuedeck" 'c:\groups\g.grp' 2>"$work/err" & disown
until_true logged_has 'SetPlaylistIndex 1' || fail "the group's tip was not chosen: $(logged | tr '\n' ' ')"
# The hand-overs' own runs of the player's program end once they passed the list on.
until_true players_are 1 || fail "$(players) players run"
[ "$(logged | grep -cx up)" = 1 ] || fail "$(logged | grep -cx up) players came up"
[ "$(logged | grep -c '^hand_over ')" = 1 ] || fail "the list was not handed over once: $(logged | grep '^hand_over ')"
logged_has 'hand_over c:\groups\g.m3u' || fail "the list handed over is not the group's: $(logged | grep '^hand_over ')"
logged_has 'SetPlaylistIndex -1' && fail "a tip of no list was chosen"

echo "--- a watcher killed is replaced"
until_true one_watcher || fail "$(watchers | wc -l) watchers run"
first=$(watchers)
kill -KILL "$first"
replaced() { one_watcher && [ "$(watchers)" != "$first" ]; }
until_true replaced || fail "no watcher took the place of the one killed"

echo "--- Cuedeck killed: the player it started is closed"
kill -KILL "$(ours cuedeck.exe)"
until_true logged_has close || fail "the player Cuedeck started was not closed after its end"
until_true players_are 0 || fail "$(players) players were left running"

echo "--- Cuedeck closed: the player it started is closed"
user=$(wine cmd /c echo %USERNAME% 2>/dev/null | tr -d '\r')
rm -f "$drive/users/$user/AppData/Local/Cuedeck/place" # no question of the place left
wine "$cuedeck" 2>"$work/again.err" & disown
until_true players_are 1 || fail "$(players) players run after the second start"
until_true one_watcher || fail "$(watchers | wc -l) watchers run after the second start"
wine taskkill /IM cuedeck.exe >/dev/null 2>&1 || true
closed_twice() { [ "$(logged | grep -cx close)" = 2 ]; }
until_true closed_twice || fail "the player was not closed at Cuedeck's close"
until_true players_are 0 || fail "$(players) players were left running after Cuedeck's close"

echo "--- Cuedeck killed before the player's window is up: the player is closed once it is"
CUEDECK_STANDIN_WINDOW_AFTER_MS=4000 wine "$cuedeck" 2>"$work/early.err" & disown
until_true one_watcher || fail "$(watchers | wc -l) watchers run after the third start"
kill -KILL "$(ours cuedeck.exe)"
closed_thrice() { [ "$(logged | grep -cx close)" = 3 ]; }
until_true closed_thrice || fail "the player whose window came up late was not closed"
until_true players_are 0 || fail "$(players) players were left running after the early kill"
echo "started player test passed"
