# Fails when a source file includes a header from a layer above its own, or
# from a sibling at the same height, so that the layers only ever point down.
#
#     cmake -DSOURCE_DIR=<the project's folder> -P check_layers.cmake
#
# The layers, lowest first, with their heights; a folder not listed here
# (tests/, benchmarks/) may include anything.
# control/ is layered inside too, in the order its CMakeLists.txt gives.
set(layers base files player player/mpv player/winamp system
           control/state control/storage control/commands control/run control/dialogs
           control/session control front ui ui/win32 desktop desktop/win32 app helper)
set(heights 0 1 2 3 3 4 5 6 7 8 9 10 10 11 12 12 12 12 13 13)

# The layer a path lies in: the longest listed folder it starts with.
function(layer_of path out_layer)
    set(found "")
    foreach(layer IN LISTS layers)
        string(LENGTH "${layer}" length)
        string(LENGTH "${found}" found_length)
        if(path MATCHES "^${layer}/" AND length GREATER found_length)
            set(found "${layer}")
        endif()
    endforeach()
    set(${out_layer} "${found}" PARENT_SCOPE)
endfunction()

function(height_of layer out_height)
    list(FIND layers "${layer}" index)
    list(GET heights ${index} height)
    set(${out_height} ${height} PARENT_SCOPE)
endfunction()

if(NOT IS_DIRECTORY "${SOURCE_DIR}")
    message(FATAL_ERROR "layers: no folder SOURCE_DIR=${SOURCE_DIR} to check")
endif()
# Globbed under SOURCE_DIR, wherever the check runs from.
set(globs)
foreach(layer IN LISTS layers)
    list(APPEND globs ${SOURCE_DIR}/${layer}/*.h ${SOURCE_DIR}/${layer}/*.cpp
         ${SOURCE_DIR}/${layer}/*.rc)
endforeach()
file(GLOB_RECURSE sources RELATIVE "${SOURCE_DIR}" ${globs})
if(NOT sources)
    message(FATAL_ERROR "layers: no source file found under ${SOURCE_DIR}")
endif()

set(violations 0)
set(checked 0)
foreach(source IN LISTS sources)
    layer_of("${source}" own)
    if(own STREQUAL "")
        continue()
    endif()
    height_of("${own}" own_height)
    file(STRINGS "${SOURCE_DIR}/${source}" lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
    foreach(line IN LISTS lines)
        string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]*)\".*" "\\1" included "${line}")
        layer_of("${included}" target)
        math(EXPR checked "${checked} + 1")
        if(target STREQUAL "" OR target STREQUAL own)
            continue()
        endif()
        height_of("${target}" target_height)
        if(NOT target_height LESS own_height)
            message(SEND_ERROR "${source} (${own}) includes ${included} (${target}): "
                               "a layer may include only the layers below it")
            math(EXPR violations "${violations} + 1")
        endif()
    endforeach()
endforeach()

list(LENGTH sources files)
if(violations GREATER 0)
    message(FATAL_ERROR "${violations} include(s) run up the layers")
endif()
message(STATUS "layers: ${checked} includes in ${files} files point down")
