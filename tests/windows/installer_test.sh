#!/usr/bin/env bash
# The Windows installer as a user meets it, under Wine in a fresh prefix:
# a silent install puts the program, its page, a Start menu entry, the .grp
# association and an uninstaller in place; the installed program drives the
# stand-in player and keeps its settings in %APPDATA%\Cuedeck; a silent
# uninstall leaves nothing of the program but those settings. A tape group
# opened through the shell's association while it runs is handed to it: one
# copy runs. Then the portable zip keeps its settings beside the program.
#
#     installer_test.sh BUILD_FOLDER STANDIN_EXE
set -euo pipefail
build=$1
standin=$2
version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")
installer="$build/Cuedeck-$version-win64.exe"
zip="$build/Cuedeck-$version-win64-portable.zip"
[ -f "$installer" ] && [ -f "$zip" ] ||
  { echo "FAIL: make the packages first (cpack -G NSIS, target cuedeck_portable)" >&2; exit 1; }

source "$(dirname "$0")/wine_desk.sh" installer "$standin"

program_folder="$drive/Program Files/Cuedeck"
start_menu="$drive/ProgramData/Microsoft/Windows/Start Menu/Programs/Cuedeck"
user=$(wine cmd /c echo %USERNAME% 2>/dev/null | tr -d '\r')
appdata="$drive/users/$user/AppData/Roaming/Cuedeck"
# A key's values; a key that is missing reads as nothing, and wine's reg
# failing in any other way fails the test with what it said, rather than
# passing for a missing key. Only what reg itself prints is read: the Wine
# services started beside it write to the same error output, and a line of
# theirs must not split one of reg's.
registry() {
  local said status=0
  said=$(wine reg query "$1" 2>>"$work/reg.err") || status=$?
  said=${said//$'\r'/}
  if [ "$status" != 0 ]; then
    grep -q 'Unable to find the specified registry key' <<<"$said" ||
      fail "wine reg query $1 failed ($status): $said"
    return 0
  fi
  printf '%s\n' "$said"
}
keys=('HKLM\Software\Classes\.grp' 'HKLM\Software\Classes\Cuedeck.TapeGroup'
      'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Cuedeck'
      'HKLM\Software\The Cuedeck developers')

# The copies of Cuedeck that run in this prefix.
copies() { ours cuedeck.exe | wc -l; }

# PROGRAM (a Windows path) [GROUP]: starts it beside the stand-in player,
# lets it take the player up, opens GROUP through the shell's association,
# closes it as the close box does, and says how it ended.
run_beside_the_player() {
  local log="$work/standin.log"
  rm -f "$log"
  wine "$standin" 'Z:'"${log//\//\\}" 0 3 0 0 30 "1. test - Winamp" &
  local player=$!
  until_true test -e "$log.ready" || fail "the stand-in player did not start"
  wine "$1" &
  local cuedeck=$!
  until_true grep -q PlaylistLength "$log" || fail "$1 did not ask the player anything"
  if [ -n "${2:-}" ]; then
    wine start /wait "$2" >/dev/null 2>&1 || fail "the shell did not open $2"
    until_true grep -q '^hand_over' "$log" || fail "$2 did not reach the running copy"
    [ "$(copies)" = 1 ] || fail "$(copies) copies run after opening $2"
  fi
  wine taskkill /IM cuedeck.exe >/dev/null 2>&1
  local status=0
  wait "$cuedeck" || status=$?
  [ "$status" = 0 ] || fail "$1 ended with status $status"
  wait "$player" || true
  [ "$(tail -n 1 "$log" | tr -d '\r')" = close ] || fail "$1 did not close the player"
}

# A key of the machine's (HKLM\...) as the server saved it: its name in
# brackets, then a NAME=DATA line for each value with the escapes undone (@
# is the default value); nothing if it is missing. The checks after an
# install or an uninstall read the file the server wrote on its way out, not
# a new server's answer.
saved() {
  local key=${1#HKLM\\}
  section="[${key//\\/\\\\}]" awk '
    BEGIN { section = tolower(ENVIRON["section"]) }
    found && /^$/ { exit }
    found && !/^#/ { print }
    tolower($0) == section || index(tolower($0), section " ") == 1 { found = 1; print section }
  ' "$WINEPREFIX/system.reg" | sed 's/\\"/"/g; s/\\\\/\\/g'
}
# KEY LINE WHAT: the saved key has the value LINE, or the test fails saying
# WHAT and where to look for the cause: what the saved key and wine's reg
# show, what the server said (a registry it could not save), the disk's room.
expect_value() {
  saved "$1" | grep -qxF "$2" && return 0
  fail "$3
  saved: $(saved "$1" | tr '\n' ' ')
  wine reg: $(registry "$1" | tr '\n' ' ')
  the server said: $(cat "$work/wineserver.log")
  $(df -h "$WINEPREFIX" | tail -n 1)"
}

echo "--- silent install"
wineserver -w
wineserver 2>"$work/wineserver.log"
status=0
wine "$installer" /S || status=$?
[ "$status" = 0 ] || fail "the silent install ended with status $status"
wineserver -w
for file in cuedeck.exe cuedeck-watch.exe cuedeck-helper.exe cuedeck.html cuedeck.dat cuedeck-alarm.wav Uninstall.exe; do
  [ -f "$program_folder/$file" ] || fail "no $file in Program Files\\Cuedeck"
done
[ -f "$start_menu/Cuedeck.lnk" ] || fail "no Start menu entry"
expect_value 'HKLM\Software\Classes\.grp' '@="Cuedeck.TapeGroup"' ".grp is not associated for all users"
expect_value 'HKLM\Software\Classes\Cuedeck.TapeGroup\shell\open' '@="Open with Cuedeck"' "no Open with Cuedeck"
expect_value 'HKLM\Software\Classes\Cuedeck.TapeGroup\shell\open\command' \
  '@=""C:\Program Files\Cuedeck\cuedeck.exe" "%1""' "no open command"
expect_value 'HKLM\Software\Classes\Cuedeck.TapeGroup\DefaultIcon' \
  '@="C:\Program Files\Cuedeck\cuedeck.exe,0"' "no icon"
uninstall='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Cuedeck'
expect_value "$uninstall" '"DisplayName"="Cuedeck"' "the uninstaller's entry has no name"
expect_value "$uninstall" "\"DisplayVersion\"=\"$version\"" "the uninstaller's entry has no version"
expect_value "$uninstall" '"Publisher"="The Cuedeck developers"' "the uninstaller's entry has no publisher"
expect_value "$uninstall" '"UninstallString"=""C:\Program Files\Cuedeck\Uninstall.exe""' \
  "the uninstaller's entry cannot uninstall"

echo "--- the installed program, and a group opened by the shell while it runs"
group one
run_beside_the_player 'C:\Program Files\Cuedeck\cuedeck.exe' 'c:\groups\one.grp'
[ -f "$appdata/cuedeck.dat" ] || fail "no settings in %APPDATA%\\Cuedeck"
grep -q '^Openfile' "$appdata/cuedeck.dat" || fail "the settings are not Cuedeck's"
# The first run took the settings that came with it: a back time and its alarm.
tr -d '\r' <"$appdata/cuedeck.dat" | grep -A1 -x BackTime | grep -qx 2 ||
  fail "the first run does not step back 2 s"
tr -d '\r' <"$appdata/cuedeck.dat" | grep -qixF 'C:\Program Files\Cuedeck\cuedeck-alarm.wav' ||
  fail "the first run has not the alarm that came with it: $(cat "$appdata/cuedeck.dat")"
[ "$(tr -d '\r' <"$program_folder/cuedeck.dat")" = "$(cat "$(dirname "$0")/../../packaging/cuedeck.dat")" ] ||
  fail "the starting settings in Program Files were changed"

echo "--- silent uninstall"
wine "$program_folder/Uninstall.exe" /S
wineserver -w
until_true eval '[ ! -e "$program_folder" ]'
[ ! -e "$program_folder" ] || fail "left in Program Files: $(ls "$program_folder")"
[ ! -e "$start_menu" ] || fail "the Start menu entry is left"
# Wine saves a key with no values only through its subkeys: any saved key
# at or below one of the program's counts as left.
for key in "${keys[@]}"; do
  key=${key#HKLM\\}
  ! grep -qiF -e "[${key//\\/\\\\}]" -e "[${key//\\/\\\\}\\\\" "$WINEPREFIX/system.reg" ||
    fail "left in the registry: HKLM\\$key"
done
[ -f "$appdata/cuedeck.dat" ] || fail "the uninstaller took the user's settings"

echo "--- the portable zip"
portable="$drive/Portable Cuedeck & Co"
mkdir -p "$portable"
unzip -q "$zip" -d "$portable"
[ -f "$portable/Cuedeck/portable" ] || fail "the zip has no portable marker"
for file in cuedeck-watch.exe cuedeck-helper.exe; do
  [ -f "$portable/Cuedeck/$file" ] || fail "the zip has no $file"
done
before=$(md5sum <"$appdata/cuedeck.dat")
run_beside_the_player 'C:\Portable Cuedeck & Co\Cuedeck\cuedeck.exe'
[ -f "$portable/Cuedeck/cuedeck.dat" ] || fail "a portable copy keeps no settings beside itself"
grep -q '^Openfile' "$portable/Cuedeck/cuedeck.dat" || fail "a portable copy did not save its settings"
tr -d '\r' <"$portable/Cuedeck/cuedeck.dat" | grep -qx cuedeck-alarm.wav ||
  fail "a portable copy's alarm is not kept beside it by name"
[ "$(md5sum <"$appdata/cuedeck.dat")" = "$before" ] || fail "a portable copy wrote %APPDATA%"
echo "installer test passed"
