#!/usr/bin/env bash
# Builds the Debian package from the default build, checks it as Debian and
# the desktop do (lintian, appstreamcli, desktop-file-validate), then unpacks
# it into a throw-away root and runs the installed program once, as a user
# would: for the first time (it starts with the settings it comes with), it
# resumes a tape group, plays, pauses, sets the zero mark, and is closed
# with File, Exit, answering Yes to the save question.
set -euo pipefail
cd "$(dirname "$0")/.."

build=build/default
rm -f "$build"/cuedeck_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/cuedeck_*.deb)
echo "package: $deb"

# The desk a user has (a display with a window manager, a session bus with
# the accessibility bus, a sound server), in a work folder of its own.
source tests/gui/virtual_desk.sh
fail() { echo "package test failed: $*" >&2; exit 1; }

lintian --allow-root --fail-on error --tag-display-limit 0 "$deb"
dpkg-deb -f "$deb" Recommends | grep -qw qt6-wayland || fail "qt6-wayland is not recommended"
dpkg -x "$deb" "$work/root"
[ -x "$work/root/usr/libexec/cuedeck/cuedeck-helper" ] || fail "the helper program is not in the package"
dpkg-deb -f "$deb" Suggests | grep -qw pocketsphinx || fail "PocketSphinx is not suggested"
appstreamcli validate --no-net "$work"/root/usr/share/metainfo/*.metainfo.xml
desktop-file-validate "$work/root/usr/share/applications/cuedeck.desktop"

# The foot pedals' udev rule: present, and rules udev can read. udevadm
# verify checks it where systemd has it (253 and later); otherwise each rule
# line must be comma-separated KEY[{attribute}] OPERATOR "value" pairs.
rules="$work/root/usr/lib/udev/rules.d/70-cuedeck-pedals.rules"
[ -f "$rules" ] || fail "the pedal rule is not in the package"
grep -q 'ATTRS{idVendor}=="05f3", ATTRS{idProduct}=="00ff".*TAG+="uaccess"' "$rules" ||
  fail "the rule does not give access to the VEC pedal"
if udevadm verify --help >/dev/null 2>&1; then
  udevadm verify "$rules" || fail "udevadm refuses the pedal rule"
else
  pair='[A-Z_]+(\{[A-Za-z_]+\})?(==|!=|\+=|-=|:=|=)"[^"]*"'
  grep -vE '^[[:space:]]*(#|$)' "$rules" | grep -vqE "^$pair(, *$pair)*\$" &&
    fail "a line of the pedal rule is not a rule"
fi

# What a first run starts with: a back time and an alarm sound of its own.
data="$work/root/usr/share/cuedeck"
cmp -s packaging/cuedeck.dat "$data/cuedeck.dat" || fail "the starting settings are not installed"
[ "$(soxi -D "$data/cuedeck-alarm.wav" 2>/dev/null)" != "" ] || fail "no alarm sound is installed"

# A tape group of three short tones, resumed at tip 2, 0:01.
mkdir -p "$work/music" "$work/home" "$work/config" "$work/run"
chmod 700 "$work/run"
for i in 1 2 3; do
  sox -q -n -r 44100 -b 16 -c 1 "$work/music/tip $i.wav" synth 8 sine $((220 * i))
  echo "$work/music/tip $i.wav" >> "$work/music/tips.m3u"
done
group="$work/music/my group.grp"
printf '%s\n2\n0:01\n' "$work/music/tips.m3u" > "$group"

export PATH="$work/root/usr/bin:$PATH"
cuedeck "$group" >"$work/cuedeck.log" 2>&1 &
program=$!
window=""
for _ in $(seq 100); do
  window=$(xdotool search --name '^Cuedeck - ' 2>/dev/null | head -n 1) && [ -n "$window" ] && break
  sleep 0.1
done
[ -n "$window" ] || fail "no window"
# The window does not wait for the player: it comes up while mpv starts.
for _ in $(seq 100); do [ -S "$work/run/cuedeck/mpv.sock" ] && break; sleep 0.1; done
[ -S "$work/run/cuedeck/mpv.sock" ] || fail "no player"
on_tip=""
for _ in $(seq 100); do
  on_tip=$(echo '{"command":["get_property","playlist-pos"]}' |
    socat -t 1 - "UNIX-CONNECT:$work/run/cuedeck/mpv.sock" 2>/dev/null | grep -o '"data":1' || true)
  [ -n "$on_tip" ] && break
  sleep 0.1
done
[ -n "$on_tip" ] || fail "the player did not go to the group's tip"
sleep 0.3 # and paused at its zero mark
xdotool windowfocus --sync "$window"

xdotool key space    # play
sleep 1.5
xdotool key space z  # pause, and set the zero mark where it paused
sleep 0.5
xdotool mousemove --window "$window" 20 8 click 1  # File
sleep 0.5
xdotool key Up Return  # Exit, the menu's last item
sleep 1
question=""
for _ in $(seq 50); do
  question=$(xdotool search --onlyvisible --name '^Cuedeck$' 2>/dev/null | head -n 1 || true)
  [ -n "$question" ] && break
  sleep 0.1
done
[ -n "$question" ] || fail "no save question"
xdotool windowfocus --sync "$question" 2>/dev/null || true
xdotool key alt+y      # Yes, save the changes (Enter, Space and Y answer nothing)
for _ in $(seq 100); do kill -0 "$program" 2>/dev/null || break; sleep 0.1; done
kill -0 "$program" 2>/dev/null && fail "still running after File, Exit"
wait "$program" || fail "exit status $?"

settings="$work/config/cuedeck/cuedeck.dat"
[ "$(sed -n 2p "$settings")" = "$group" ] || fail "settings not written to the config folder"
# With no settings of the user's, the starting ones were read.
grep -qx "$data/cuedeck-alarm.wav" "$settings" || fail "the first run has not the alarm that came with it"
grep -A1 -x BackTime "$settings" | grep -qx 2 || fail "the first run does not step back 2 s"
pgrep -f "input-ipc-server=$work" >/dev/null && fail "the player outlived the program"
[ "$(sed -n 2p "$group")" = 2 ] || fail "tip changed: $(cat "$group")"
[ "$(sed -n 3p "$group")" != "0:01" ] || fail "the new zero mark was not saved: $(cat "$group")"
echo "installed program: resumed, played, paused, saved $(sed -n 3p "$group"), closed cleanly"

# The keypads' udev rule: a template that gives no access by itself (no rule
# in force), whose example line, filled in, is a rule.
rules="$work/root/usr/lib/udev/rules.d/70-cuedeck-keypads.rules"
[ -f "$rules" ] || fail "the keypad rule is not in the package"
grep -vqE '^[[:space:]]*(#|$)' "$rules" && fail "the keypad template holds a rule in force"
example=$(sed -n 's/^# \(SUBSYSTEM==.*uaccess"\)$/\1/p' "$rules" | sed 's/VVVV/1234/; s/PPPP/abcd/')
pair='[A-Z_]+(\{[A-Za-z_]+\})?(==|!=|\+=|-=|:=|=)"[^"]*"'
echo "$example" | grep -qE "^$pair(, *$pair)*\$" || fail "the keypad template's line is not a rule"
echo "keypad rule: a template"
