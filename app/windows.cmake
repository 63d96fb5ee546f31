# The Windows program: the native front end and its resources.
add_executable(cuedeck WIN32 main_win32.cpp ${CUEDECK_WIN32_RESOURCES})
target_link_libraries(cuedeck PRIVATE cuedeck_ui_win32 cuedeck_winamp cuedeck_system
                      cuedeck_warnings)
configure_file(${PROJECT_SOURCE_DIR}/docs/cuedeck.html ${CMAKE_CURRENT_BINARY_DIR}/cuedeck.html
               COPYONLY)
install(TARGETS cuedeck RUNTIME DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/docs/cuedeck.html DESTINATION .)
