# What an installed program starts with before the user saved settings of
# their own: packaging/cuedeck.dat (a back time and the alarm sound beside
# it) and that alarm sound, made here by sox from sine tones so that it is
# ours to give away. Sets CUEDECK_ALARM_SOUND and CUEDECK_STARTING_SETTINGS.
find_program(CUEDECK_SOX sox REQUIRED)
# Beside the program in the build folder; known to the packaging too.
set(CUEDECK_STARTING_SETTINGS ${PROJECT_SOURCE_DIR}/packaging/cuedeck.dat CACHE INTERNAL "")
set(CUEDECK_ALARM_SOUND ${CMAKE_CURRENT_BINARY_DIR}/cuedeck-alarm.wav CACHE INTERNAL "")
# Two groups of four short beeps; no dither, so that every build makes the
# same file.
add_custom_command(OUTPUT ${CUEDECK_ALARM_SOUND}
                   COMMAND ${CUEDECK_SOX} -D -n -r 22050 -c 1 -b 16 ${CUEDECK_ALARM_SOUND}
                           synth 0.12 sine 1319 fade h 0.005 0.12 0.04 gain -6
                           pad 0 0.06 repeat 3 pad 0 0.3 repeat 1
                   VERBATIM)
add_custom_target(cuedeck_alarm_sound ALL DEPENDS ${CUEDECK_ALARM_SOUND})
