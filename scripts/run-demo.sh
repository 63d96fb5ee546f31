#!/usr/bin/env bash
# Sets everything up, builds Cuedeck and starts it on a demo tape group.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --preset default
cmake --build --preset default --target cuedeck -j "$(nproc)"
group=$(scripts/make-demo.sh build/default/demo)
# First run: settings that show the tip timer and the back time at work
# (a one-minute tip, two seconds back on every pause, a spoken alarm).
settings=build/default/app/cuedeck.dat
if [ ! -e "$settings" ]; then
  printf 'Openfile\n%s\nSoundOn\n1\nSoundfile\n%s\nTiptime\n1\nPlayusing\n0\nBackTime\n2\n' \
    "$group" "$(dirname "$group")/alarm.wav" > "$settings"
fi
exec build/default/app/cuedeck "$group"
