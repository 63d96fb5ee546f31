#!/usr/bin/env bash
# Sets everything up, builds Cuedeck and starts it on a demo tape group.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --preset default
cmake --build --preset default --target cuedeck cuedeck_alarm_sound -j "$(nproc)"
group=$(scripts/make-demo.sh build/default/demo)
# First run: the settings an installed Cuedeck starts with (two seconds back
# on every pause, the alarm sound that comes with it), and a one-minute tip
# so that the tip timer shows its alarm soon.
settings=build/default/app/cuedeck.dat
if [ ! -e "$settings" ]; then
  cp packaging/cuedeck.dat "$settings" # its alarm sound is beside it, as installed
  printf 'Openfile\n%s\nTiptime\n1\n' "$group" >> "$settings"
fi
exec build/default/app/cuedeck "$group"
