#!/usr/bin/env bash
# The keys for every window on a real (virtual) X display against a real mpv:
# another program's window has the focus, the function keys reach Cuedeck
# and not that window, and a key another program holds is named as taken.
#   global_keys_test.sh PROGRAM GRAB_KEY
set -uo pipefail
program_file=$1
grab_key=$2
work=$(mktemp -d)
xvfb="" running="" other="" holder=""
cleanup() {
  for pid in $running $other $holder; do kill -KILL "$pid" 2>/dev/null; done
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
  pkill -KILL -f "input-ipc-server=$work" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*" >&2
  [ -s "$work/log" ] && { echo "--- Cuedeck said:" >&2; cat "$work/log" >&2; }
  exit 1
}

mkdir -p "$work/home" "$work/config/cuedeck" "$work/run" "$work/music"
chmod 700 "$work/run"
for i in 1 2; do
  sox -n -r 8000 -c 1 "$work/music/tip $i.wav" synth 30 sine 440 || fail "sox"
  echo "$work/music/tip $i.wav" >> "$work/music/tips.m3u"
done
group="$work/music/group.grp"
settings="$work/config/cuedeck/cuedeck.dat"

Xvfb -displayfd 3 -screen 0 800x600x24 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || fail "Xvfb did not start"
export DISPLAY=":$(cat "$work/display")" HOME="$work/home" XDG_CONFIG_HOME="$work/config"
export XDG_RUNTIME_DIR="$work/run"
unset DBUS_SESSION_BUS_ADDRESS QT_QPA_PLATFORM
export LSAN_OPTIONS="suppressions=$(cd "$(dirname "$0")" && pwd)/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"

mpv_says() { # PROPERTY: its value as mpv answers it
  echo "{\"command\":[\"get_property\",\"$1\"]}" |
    socat -t 1 - "UNIX-CONNECT:$work/run/cuedeck/mpv.sock" 2>/dev/null |
    sed -n 's/.*"data":\([^,}]*\).*/\1/p'
}
until_true() { # COMMAND...: polls for ten seconds
  for _ in $(seq 100); do "$@" && return 0; sleep 0.1; done
  return 1
}
at_least() { awk -v a="$(mpv_says time-pos)" -v b="$1" 'BEGIN { exit !(a != "" && a >= b) }'; }
paused_is() { [ "$(mpv_says pause)" = "$1" ]; }
on_the_tip() { [ "$(mpv_says playlist-pos)" = 0 ]; }

# A window of another program, holding the focus; it logs every key it gets.
xev -name other-program -geometry 300x200+450+350 > "$work/other.log" 2>&1 &
other=$!
until_true xdotool search --name '^other-program$' > /dev/null || fail "no other window"
other_window=$(xdotool search --name '^other-program$' | head -n 1)

start() { # GLOBALKEYS
  printf 'BackTime\n2\nGlobalKeys\n%s\n' "$1" > "$settings"
  printf '%s\n1\n0:05\n' "$work/music/tips.m3u" > "$group"
  "$program_file" "$group" 2>"$work/log" &
  running=$!
  until_true xdotool search --onlyvisible --name '^Cuedeck - ' > /dev/null || fail "no window"
  until_true on_the_tip || fail "mpv did not reach the tip"
  until_true at_least 4.5 || fail "mpv did not reach 0:05: $(mpv_says time-pos)"
  xdotool windowfocus --sync "$other_window" || fail "could not focus the other window"
}
stop() {
  kill -TERM "$running"
  wait "$running"
  local status=$?
  running=""
  [ "$status" = 0 ] || fail "Cuedeck ended with status $status"
}
focus_stayed() { [ "$(xdotool getwindowfocus)" = "$other_window" ] || fail "the focus moved"; }

# F12 is held by another program before Cuedeck starts.
"$grab_key" 12 > "$work/holder" &
holder=$!
until_true grep -q held "$work/holder" || fail "the test could not hold F12"

start 1
until_true grep -q "F12 is taken by another program" "$work/log" || fail "F12 not named as taken"
place=$(mpv_says time-pos)
xdotool key F8
until_true at_least "$(awk -v p="$place" 'BEGIN { print p + 4.5 }')" || fail "F8 did not move mpv forward: $(mpv_says time-pos)"
paused_is true || fail "F8 started playing"
xdotool key F4
until_true paused_is false || fail "F4 did not play"
until_true at_least 11 || fail "mpv does not play on"
before=$(mpv_says time-pos)
xdotool key F4
until_true paused_is true || fail "F4 did not pause"
awk -v a="$(mpv_says time-pos)" -v b="$before" 'BEGIN { exit !(a < b) }' ||
  fail "no step back on the pause: $before, then $(mpv_says time-pos)"
grep -q KeyPress "$work/other.log" && fail "the other window received the keys"
focus_stayed
stop

# Off: the keys are the other window's again.
start 0
place=$(mpv_says time-pos)
xdotool key F8
until_true grep -q "F8" "$work/other.log" || fail "with the choice off, F8 did not reach the other window"
[ "$(mpv_says time-pos)" = "$place" ] || fail "with the choice off, F8 moved mpv"
focus_stayed
stop
echo "keys for every window: ok"
