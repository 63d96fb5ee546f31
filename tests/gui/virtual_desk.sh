# What the shell tests of the running program share: a work folder, a
# virtual display of its own, and questions to the mpv Cuedeck drives.
# Sourced; sets work, DISPLAY and the XDG folders, and cleans up on exit.
work=$(mktemp -d)
xvfb="" running=""
extra_cleanup() { :; }
cleanup() {
  extra_cleanup
  [ -n "$running" ] && kill -KILL "$running" 2>/dev/null
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
  pkill -KILL -f "input-ipc-server=$work" 2>/dev/null

  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*" >&2
  [ -n "$xvfb" ] && ! kill -0 "$xvfb" 2>/dev/null && echo "(the test's own X server $xvfb has gone)" >&2
  [ -s "$work/log" ] && { echo "--- Cuedeck said:" >&2; cat "$work/log" >&2; }
  exit 1
}

mkdir -p "$work/home" "$work/config/cuedeck" "$work/run" "$work/music"
chmod 700 "$work/run"
# A display of its own; started again when another test's server took the
# number from under it. -noreset: the server does not start over when its
# last client goes, so the next start of Cuedeck never meets it mid-reset.
# -r: no auto-repeat. On a loaded machine xdotool may be held up between a
# key's press and its release, and the repeats would answer the next box.
for _ in 1 2 3; do
  rm -f "$work/display"
  Xvfb -noreset -r -displayfd 3 -screen 0 800x600x24 3>"$work/display" >/dev/null 2>&1 &
  xvfb=$!
  for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
  # Two servers started at once may be told the same number; the display
  # must be served by ours, or it goes when the other test ends.
  [ -s "$work/display" ] && DISPLAY=":$(cat "$work/display")" xdotool getdisplaygeometry \
    >/dev/null 2>&1 &&
    ss -xlp 2>/dev/null | grep -F "/tmp/.X11-unix/X$(cat "$work/display") " |
    grep -qF "pid=$xvfb," && break
  kill "$xvfb" 2>/dev/null
  xvfb=""
done
[ -n "$xvfb" ] || fail "Xvfb did not start"
export DISPLAY=":$(cat "$work/display")" HOME="$work/home" XDG_CONFIG_HOME="$work/config"
export XDG_STATE_HOME="$work/state"
export XDG_RUNTIME_DIR="$work/run"
unset DBUS_SESSION_BUS_ADDRESS QT_QPA_PLATFORM
export LSAN_OPTIONS="suppressions=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"

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
plus() { awk -v a="$1" -v b="$2" 'BEGIN { print a + b }'; }
below() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a < b) }'; }
paused_is() { [ "$(mpv_says pause)" = "$1" ]; }
on_the_first_tip() { [ "$(mpv_says playlist-pos)" = 0 ]; }

# A playlist of half-minute tones (two, or COUNT), and the group that
# start_cuedeck resumes at tip 1, 0:05.
recordings() { # [COUNT]
  for i in $(seq "${1:-2}"); do
    sox -n -r 8000 -c 1 "$work/music/tip $i.wav" synth 30 sine 440 || fail "sox"
    echo "$work/music/tip $i.wav" >> "$work/music/tips.m3u"
  done
  group="$work/music/group.grp"
}
start_cuedeck() { # PROGRAM: on the group, with the settings written before
  printf '%s\n1\n0:05\n' "$work/music/tips.m3u" > "$group"
  # A run ended by a signal with its place unsaved leaves it for the next
  # start to offer (the crash test asks for that); each start here is fresh.
  rm -f "$XDG_STATE_HOME/cuedeck/place"
  "$1" "$group" 2>"$work/log" &
  running=$!
  until_true xdotool search --onlyvisible --name '^Cuedeck - ' > /dev/null || fail "no window"
  until_true on_the_first_tip || fail "mpv did not reach the tip"
  until_true at_least 4.5 || fail "mpv did not reach 0:05: $(mpv_says time-pos)"
}
# A session bus D-Bus started by itself on our display (autolaunch).
bus_of_our_own() {
  local pid
  for pid in $(pgrep -f 'dbus-launch --autolaunch'); do
    tr '\0' '\n' < "/proc/$pid/environ" 2>/dev/null | grep -qx "DISPLAY=$DISPLAY" && return 0
  done
  return 1
}
stop_cuedeck() {
  kill -TERM "$running"
  wait "$running"
  local status=$?
  running=""
  [ "$status" = 0 ] || fail "Cuedeck ended with status $status"
  # No session bus here: none is started for Cuedeck, and it says so.
  ! bus_of_our_own || fail "a session bus was started for Cuedeck and outlives it"
  grep -q "no D-Bus session bus" "$work/log" || fail "Cuedeck did not say it has no session bus"
}
