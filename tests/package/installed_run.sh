#!/usr/bin/env bash
# Cuedeck as installed from its package, run by a plain user on a system
# that has only what the package brought: it starts on a tape group, its
# player answers a command, and a kill ends Cuedeck and its player cleanly.
set -euo pipefail
source /tmp/deadline.sh
fail() { echo "installed run failed: $*" >&2; [ -f "$HOME/cuedeck.log" ] && cat "$HOME/cuedeck.log" >&2; exit 1; }

export HOME=/home/$(id -un)
export XDG_RUNTIME_DIR=$HOME/run XDG_CONFIG_HOME=$HOME/config QT_QPA_PLATFORM=offscreen
mkdir -m 700 "$XDG_RUNTIME_DIR"
mkdir -p "$HOME/music"
cp /tmp/tip*.wav "$HOME/music/"
printf '%s\n' "$HOME/music/tip 1.wav" "$HOME/music/tip 2.wav" > "$HOME/music/tips.m3u"
printf '%s\n2\n0:01\n' "$HOME/music/tips.m3u" > "$HOME/music/group.grp"

cuedeck --version | grep -q '^cuedeck ' || fail "cuedeck --version"
cuedeck "$HOME/music/group.grp" >"$HOME/cuedeck.log" 2>&1 &
program=$!
# Carried out once Cuedeck runs and its player answers.
carried_out() { kill -0 "$program" 2>/dev/null || fail "Cuedeck ended"; cuedeck --command play-pause >/dev/null 2>&1; }
until_true carried_out || fail "play-pause was not carried out"
# mpv, found by the socket in this run's own folder.
player_runs() {
  local line
  for line in /proc/[0-9]*/cmdline; do
    [[ "$({ tr '\0' ' ' <"$line"; } 2>/dev/null)" == *"ipc-server=$XDG_RUNTIME_DIR/"* ]] && return 0
  done
  return 1
}
player_runs || fail "no player runs"
kill -TERM "$program"
status=0
wait "$program" || status=$?
[ "$status" -eq 0 ] || fail "exit status $status"
until_true eval '! player_runs' || fail "the player outlived Cuedeck"
echo "installed: $(cuedeck --version | head -n 1), ran on $(. /etc/os-release && echo "$PRETTY_NAME")"
