# What every package says of itself; the version is the project's.
set(CPACK_PACKAGE_NAME cuedeck)
set(CPACK_PACKAGE_VENDOR "The Cuedeck developers")
set(CPACK_PACKAGE_CONTACT "The Cuedeck developers <cuedeck@cuedeck.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "counter, tip timer and one-key transport for working through recordings")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/packaging/copyright)

if(WIN32)
    include(${CMAKE_CURRENT_LIST_DIR}/windows-package.cmake)
    return()
endif()

# The Debian package: `cpack -G DEB` in a build folder makes
# cuedeck_<version>_<arch>.deb, installing into /usr.
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${CUEDECK_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The libraries it depends on are those of the release it is built on: the
# version names that release (1.24~deb12, 1.24~deb13), so that each package
# says which system it is for, and one for a later release is the newer.
file(STRINGS /etc/os-release os_release REGEX "^(ID|VERSION_ID)=")
if(os_release MATCHES "ID=debian" AND os_release MATCHES "VERSION_ID=\"?([0-9]+)")
    set(CPACK_DEBIAN_PACKAGE_VERSION "${PROJECT_VERSION}~deb${CMAKE_MATCH_1}")
endif()
set(CPACK_DEBIAN_PACKAGE_DEPENDS mpv)
# Without the first Qt cannot open a window at all on a Wayland session; the
# second has Qt's own buttons and choosers speak the user's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, qt6-translations-l10n")
# The recognizer that Make Draft runs where nothing else is chosen.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "pocketsphinx, pocketsphinx-en-us")
set(CPACK_STRIP_FILES ON)
# The README's words, below the summary line CPack puts first.
set(CPACK_PACKAGE_DESCRIPTION
    "Cuedeck is a remote control for a media player (mpv) for people who work
through the recordings of a tape group all day: transcribers, reviewers,
anyone who listens to a talk a few seconds at a time. It plays nothing
itself. It adds what the player lacks: a large counter measured from a
movable zero mark; a tip timer that counts down, then sounds an alarm and
shows a STOP picture; an automatic step back on every pause; one key for
every transport action; undo and redo of places; and tape group files
(.grp) that resume work where it stopped.")

# What Debian asks of every package: its copyright, changelog and manual page.
set(package_doc ${CMAKE_BINARY_DIR}/package-doc)
file(MAKE_DIRECTORY ${package_doc})
configure_file(${PROJECT_SOURCE_DIR}/packaging/copyright ${package_doc}/copyright COPYONLY)
execute_process(COMMAND gzip -9 -n -c ${PROJECT_SOURCE_DIR}/packaging/changelog
                OUTPUT_FILE ${package_doc}/changelog.gz)
execute_process(COMMAND gzip -9 -n -c ${PROJECT_SOURCE_DIR}/packaging/cuedeck.1
                OUTPUT_FILE ${package_doc}/cuedeck.1.gz)
install(FILES ${package_doc}/copyright ${package_doc}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/cuedeck)
install(FILES ${package_doc}/cuedeck.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

include(CPack)
