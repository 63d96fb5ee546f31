# What the shell tests of the running program share: a work folder, and a
# desk like a user's: a virtual display of its own with a window manager, a
# D-Bus session bus with the accessibility bus, and a sound server whose
# sink plays to nothing; a listener on the media interface's change
# signals; questions to the mpv Cuedeck drives.
# Sourced (after setting desk_screen, WIDTHxHEIGHTxDEPTH, for a screen other
# than 800x600); sets work, DISPLAY, the bus, the XDG folders, and cleans up
# on exit.
source "$(dirname "${BASH_SOURCE[0]}")/../support/deadline.sh"
work=$(mktemp -d)
xvfb="" running="" desk=""
extra_cleanup() { :; }
# Whatever is already gone is no failure: the caller's status stands, also
# under set -e (the package test).
cleanup() {
  local status=$?
  extra_cleanup || true
  for pid in $running $desk $xvfb; do kill -KILL "$pid" 2>/dev/null || true; done
  pkill -KILL -f "input-ipc-server=$work" 2>/dev/null || true
  rm -rf "$work"
  exit "$status"
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
  Xvfb -noreset -r -displayfd 3 -screen 0 "${desk_screen:-800x600x24}" 3>"$work/display" >/dev/null 2>&1 &
  xvfb=$!
  until_true test -s "$work/display"
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
export PULSE_RUNTIME_PATH="$work/run/pulse"

mpv_says() { # PROPERTY: its value as mpv answers it
  # Asked again when no reply came at all (socat's second passed on a
  # loaded machine); a reply without a value is a value.
  local reply=""
  for _ in 1 2 3 4 5; do
    reply=$(echo "{\"command\":[\"get_property\",\"$1\"]}" |
      socat -t 1 - "UNIX-CONNECT:$work/run/cuedeck/mpv.sock" 2>/dev/null)
    [ -n "$reply" ] && break
    sleep 0.1
  done
  sed -n 's/.*"data":\([^,}]*\).*/\1/p' <<<"$reply"
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

# The desk's parts. Each is started, then seen to answer; one that does not
# is named, and the test fails.
# Not at $XDG_RUNTIME_DIR/bus, where the D-Bus library would find it unasked.
export DBUS_SESSION_BUS_ADDRESS="unix:path=$work/bus"
dbus-daemon --session --nofork --nopidfile --address="$DBUS_SESSION_BUS_ADDRESS" >/dev/null 2>&1 &
desk="$desk $!"
until_true dbus-send --session --dest=org.freedesktop.DBus --print-reply / \
  org.freedesktop.DBus.GetId >/dev/null 2>&1 || fail "the desk's session bus did not start"
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
desk="$desk $!"
until_true dbus-send --session --dest=org.a11y.Bus --print-reply /org/a11y/bus \
  org.a11y.Bus.GetAddress >/dev/null 2>&1 || fail "the desk's accessibility bus did not start"
openbox --sm-disable >/dev/null 2>&1 &
desk="$desk $!"
until_true sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' ||
  fail "the desk's window manager did not start"
mkdir -p "$PULSE_RUNTIME_PATH"
pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no \
  -L "module-native-protocol-unix socket=$PULSE_RUNTIME_PATH/native" \
  -L module-null-sink -L module-always-sink >"$work/sound.log" 2>&1 &
desk="$desk $!"
until_true pactl info >/dev/null 2>&1 || fail "the desk's sound server did not start: $(cat "$work/sound.log")"
# Every change signal the media interface sends, as a desktop's media
# widget hears it.
dbus-monitor --session "type='signal',member='PropertiesChanged',path='/org/mpris/MediaPlayer2'" \
  >"$work/signals" 2>&1 &
desk="$desk $!"
until_true grep -q "member=NameLost" "$work/signals" || fail "the desk's listener did not start"

# For a test that needs the desk without its session bus.
without_session_bus() {
  unset DBUS_SESSION_BUS_ADDRESS
  no_bus=1
}
no_bus=""
# The change signals heard are well formed: each says which interface
# changed, each property in it has a value, and the loop and playback
# status are values the interface knows.
signals_well_formed() {
  awk '
    /member=PropertiesChanged/ { signals++; expect_interface = 1; next }
    expect_interface { if ($0 !~ /string "org\.mpris\.MediaPlayer2\.Player"/) bad = bad "\nno interface: " $0; expect_interface = 0 }
    /dict entry\(/ { entries++ }
    /variant/ { variants++ }
    /string "LoopStatus"/ { loop = 1; next }
    /string "PlaybackStatus"/ { playback = 1; next }
    loop { if ($0 !~ /variant +string "(None|Track|Playlist)"/) bad = bad "\nLoopStatus: " $0; loop = 0 }
    playback { if ($0 !~ /variant +string "(Playing|Paused|Stopped)"/) bad = bad "\nPlaybackStatus: " $0; playback = 0 }
    END {
      if (signals == 0) bad = bad "\nno change signal was heard"
      if (entries != variants) bad = bad "\n" entries " properties but " variants " values"
      if (bad != "") { print substr(bad, 2); exit 1 }
    }' "$work/signals"
}
stop_cuedeck() {
  kill -TERM "$running"
  wait "$running"
  local status=$?
  running=""
  [ "$status" = 0 ] || fail "Cuedeck ended with status $status"
  if [ -n "$no_bus" ]; then
    # None is started for Cuedeck, and it says it has none.
    ! bus_of_our_own || fail "a session bus was started for Cuedeck and outlives it"
    grep -q "no D-Bus session bus" "$work/log" || fail "Cuedeck did not say it has no session bus"
  else
    problems=$(signals_well_formed) || fail "the media interface's change signals: $problems"
  fi
}
