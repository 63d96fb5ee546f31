# Fails when the changelog's newest entry or the manual page names another
# version than project() does, so that the package never says two versions.
#
#     cmake -DVERSION=<project version> -DSOURCE_DIR=<the project's folder> -P check_versions.cmake
file(STRINGS "${SOURCE_DIR}/packaging/changelog" changelog LIMIT_COUNT 1)
file(STRINGS "${SOURCE_DIR}/packaging/cuedeck.1" manual REGEX "^\\.TH " LIMIT_COUNT 1)
if(NOT changelog MATCHES "^cuedeck \\(${VERSION}\\) ")
    message(FATAL_ERROR "packaging/changelog begins \"${changelog}\", not version ${VERSION}")
endif()
if(NOT manual MATCHES "\"cuedeck ${VERSION}\"")
    message(FATAL_ERROR "packaging/cuedeck.1 says \"${manual}\", not version ${VERSION}")
endif()
message(STATUS "changelog and manual page: version ${VERSION}")
