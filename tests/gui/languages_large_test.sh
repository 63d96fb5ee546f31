#!/usr/bin/env bash
# The windows' texts against their controls as a large scale shows them on
# a laptop's screen of 900 pixels: on a real X display (the offscreen
# platform keeps 96 dpi whatever it is told), with fonts at 144 dpi, at
# 200 % scaling, and with fonts at 192 dpi. The window stays within the
# screen.
#   languages_large_test.sh LANGUAGES_TEST
set -uo pipefail
test_program=$1
desk_screen=1440x900x24
source "$(dirname "$0")/virtual_desk.sh"
for setting in "QT_FONT_DPI=144" "QT_SCALE_FACTOR=2" "QT_FONT_DPI=192"; do
  echo "=== $setting"
  env QT_QPA_PLATFORM=xcb $setting "$test_program" \
    each_text_fits_its_control_in_every_window_and_language || fail "with $setting"
done
echo PASS
