# Sourced by the Windows program tests: a fresh Wine prefix of their own
# (wine_env.sh), removed at the end with a work folder; windows made but
# drawn nowhere; the stand-in player (STANDIN_EXE) copied to where the
# player's program is, so that what Cuedeck hands the player reaches the
# running stand-in.
#
#     source wine_desk.sh NAME STANDIN_EXE
source "$(dirname "${BASH_SOURCE[0]}")/wine_env.sh" "$1"
source "$(dirname "${BASH_SOURCE[0]}")/../support/deadline.sh"
work=$(mktemp -d)
cleanup() {
  wine_cleanup
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

wineboot -i >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1
wineserver -w

drive=$WINEPREFIX/drive_c

# The processes of this prefix (by its WINEPREFIX) whose name (as Wine
# names a process: its program's, cut to 15 characters) is NAME: never
# another test's or the user's.
ours() {
  local pid
  for pid in $(ps -eo pid=,comm= | awk -v name="$1" '$2 == name { print $1 }'); do
    { tr '\0' '\n' <"/proc/$pid/environ"; } 2>/dev/null | grep -qxF "WINEPREFIX=$WINEPREFIX" &&
      echo "$pid"
  done
  return 0
}
mkdir -p "$drive/program files/winamp" "$drive/groups"
cp "$2" "$drive/program files/winamp/winamp.exe"

# NAME (under c:\groups, / for \): a playlist of three recordings, as the
# stand-in player has, and a tape group on its first tip.
group() {
  local name=$1 windows=${1//\//\\}
  mkdir -p "$(dirname "$drive/groups/$name")"
  : >"$drive/groups/$name.m3u"
  for tip in 1 2 3; do
    : >"$drive/groups/$name $tip.wav"
    printf 'c:\\groups\\%s %s.wav\r\n' "$windows" "$tip" >>"$drive/groups/$name.m3u"
  done
  printf 'c:\\groups\\%s.m3u\r\n1\r\n0:00\r\n' "$windows" >"$drive/groups/$name.grp"
}
