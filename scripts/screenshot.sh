#!/usr/bin/env bash
# Remakes docs/screenshot.png: the main window on a made-up tape group,
# drawn on Qt's offscreen platform (no display needed).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset default >/dev/null
cmake --build --preset default --target cuedeck_make_pictures
state=$(mktemp -d) # the draft shown, and its choice, kept apart from yours
trap 'rm -rf "$state"' EXIT
XDG_STATE_HOME=$state QT_QPA_PLATFORM=offscreen build/default/app/cuedeck_make_pictures screenshot docs/screenshot.png
echo "wrote docs/screenshot.png"
