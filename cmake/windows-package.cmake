# The Windows installer and the portable zip, for the build's own word size:
#
#   cpack -G NSIS                              Cuedeck-<version>-win64.exe (or -win32)
#   cmake --build . --target cuedeck_portable  Cuedeck-<version>-win64-portable.zip
#
# The installer puts the program and its help page into Program Files (the
# 32-bit build into the 32-bit one), adds a Start menu entry, the .grp
# association and an uninstaller listed among the installed programs; /S
# installs and uninstalls without asking. Settings then live in
# %APPDATA%\Cuedeck\; the zip carries the `portable` marker, which keeps them
# beside the program.
include(${CMAKE_CURRENT_LIST_DIR}/help_pages.cmake)
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(windows_flavour win64)
    set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
    set(nsis_target amd64-unicode)
else()
    set(windows_flavour win32)
    set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES")
    set(nsis_target x86-unicode)
endif()
set(windows_package_name Cuedeck-${PROJECT_VERSION}-${windows_flavour})

set(CPACK_GENERATOR NSIS)
set(CPACK_PACKAGE_FILE_NAME ${windows_package_name})
set(CPACK_PACKAGE_INSTALL_DIRECTORY Cuedeck)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Cuedeck)
set(CPACK_NSIS_PACKAGE_NAME Cuedeck)
set(CPACK_NSIS_DISPLAY_NAME Cuedeck)
set(CPACK_NSIS_CONTACT ${CPACK_PACKAGE_CONTACT})
set(CPACK_NSIS_URL_INFO_ABOUT ${CUEDECK_HOMEPAGE})
set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/ui/win32/cuedeck.ico)
set(CPACK_NSIS_MUI_UNIICON ${PROJECT_SOURCE_DIR}/ui/win32/cuedeck.ico)
set(CPACK_NSIS_INSTALLED_ICON_NAME cuedeck.exe)
# The program lies in the install folder itself, not in bin\.
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_PACKAGE_EXECUTABLES cuedeck Cuedeck)
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
# A 64-bit installer for the 64-bit build, so that it writes the registry's
# and Program Files' 64-bit side; then the .grp association's macros.
set(installer_defines ${CMAKE_BINARY_DIR}/cuedeck-installer.nsh)
file(WRITE ${installer_defines} "Target ${nsis_target}
!define CUEDECK_VENDOR \"${CPACK_PACKAGE_VENDOR}\"
!include \"${PROJECT_SOURCE_DIR}/packaging/windows/cuedeck.nsh\"
")
set(CPACK_NSIS_DEFINES "!include \\\"${installer_defines}\\\"")
set(CPACK_NSIS_EXTRA_INSTALL_COMMANDS "!insertmacro CuedeckAssociate")
set(CPACK_NSIS_EXTRA_UNINSTALL_COMMANDS "!insertmacro CuedeckDissociate")
# Run once the uninstaller has removed its own key below the vendor's.
set(CPACK_NSIS_DELETE_ICONS_EXTRA "!insertmacro CuedeckForgetVendor")

# The portable zip: the same programs and page, the marker and the licence,
# in a folder named Cuedeck.
set(portable_root ${CMAKE_BINARY_DIR}/portable)
set(portable_folder ${portable_root}/Cuedeck)
add_custom_target(cuedeck_portable
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${portable_root}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${portable_folder}
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:cuedeck> $<TARGET_FILE:cuedeck_player_watch>
            $<TARGET_FILE:cuedeck_helper> ${CUEDECK_HELP_PAGES}
            ${PROJECT_SOURCE_DIR}/packaging/windows/portable ${CUEDECK_STARTING_SETTINGS}
            ${CUEDECK_ALARM_SOUND} ${portable_folder}
    COMMAND ${CMAKE_COMMAND} -E copy ${CPACK_RESOURCE_FILE_LICENSE} ${portable_folder}/copyright.txt
    COMMAND ${CMAKE_COMMAND} -E chdir ${portable_root}
            ${CMAKE_COMMAND} -E tar cf ${CMAKE_BINARY_DIR}/${windows_package_name}-portable.zip
            --format=zip Cuedeck
    DEPENDS cuedeck cuedeck_player_watch cuedeck_helper cuedeck_alarm_sound
    COMMENT "Making ${windows_package_name}-portable.zip"
    VERBATIM)

include(CPack)
