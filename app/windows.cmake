# The Windows program: the native front end and its resources.
add_executable(cuedeck WIN32 main_win32.cpp ${CUEDECK_WIN32_RESOURCES})
target_link_libraries(cuedeck PRIVATE cuedeck_ui_win32 cuedeck_desktop_win32 cuedeck_winamp cuedeck_system
                      cuedeck_warnings)
# The watcher beside it (see player/winamp/winamp_backend.h): no window, no
# console, and nothing of Cuedeck's but the player's window class.
add_executable(cuedeck_player_watch WIN32 player_watch_win32.cpp)
set_target_properties(cuedeck_player_watch PROPERTIES OUTPUT_NAME ${CUEDECK_PLAYER_WATCH_NAME})
target_link_libraries(cuedeck_player_watch PRIVATE cuedeck_winamp cuedeck_warnings)
add_dependencies(cuedeck cuedeck_player_watch)
install(TARGETS cuedeck cuedeck_player_watch RUNTIME DESTINATION .)
install(FILES ${CUEDECK_HELP_PAGES} DESTINATION .)
# The starting settings beside the program (read until the user's own are
# saved in %APPDATA%\Cuedeck\, or by a portable copy as its own) and the
# alarm sound they name.
include(${PROJECT_SOURCE_DIR}/cmake/starting_settings.cmake)
install(FILES ${CUEDECK_STARTING_SETTINGS} ${CUEDECK_ALARM_SOUND} DESTINATION .)
set_source_files_properties(${CUEDECK_WIN32_RESOURCES} PROPERTIES OBJECT_DEPENDS
                            "${CUEDECK_WIN32_RESOURCE_HEADERS}")
