# The layer check must fail, and name the file, on a tree with one include
# that runs up the layers; and pass on the same tree without it.
#
#     cmake -DCHECK=<check_layers.cmake> -DWORK=<a scratch folder> -P check_layers_fails_test.cmake
file(REMOVE_RECURSE "${WORK}")
file(WRITE "${WORK}/base/low.h" "#pragma once\n")
file(WRITE "${WORK}/control/high.h" "#pragma once\n#include \"base/low.h\"\n")
file(WRITE "${WORK}/base/low.cpp" "#include \"base/low.h\"\n")

execute_process(COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${WORK} -P ${CHECK}
                RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "the check failed on a tree whose includes point down:\n${out}")
endif()

file(APPEND "${WORK}/base/low.cpp" "#include \"control/high.h\"\n")
execute_process(COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${WORK} -P ${CHECK}
                RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(result EQUAL 0 OR NOT out MATCHES "base/low.cpp \\(base\\) includes control/high.h")
    message(FATAL_ERROR "the check did not fail on an upward include:\n${out}")
endif()

# Inside control/ too: the run's state lies below the run.
file(REMOVE "${WORK}/base/low.cpp")
file(WRITE "${WORK}/control/run/controller.h" "#pragma once\n")
file(WRITE "${WORK}/control/state/run_state.h" "#pragma once\n#include \"control/run/controller.h\"\n")
execute_process(COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${WORK} -P ${CHECK}
                RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(result EQUAL 0 OR NOT out MATCHES "control/state/run_state.h \\(control/state\\) includes")
    message(FATAL_ERROR "the check did not fail on an include up inside control/:\n${out}")
endif()

execute_process(COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${WORK}/none -P ${CHECK}
                RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(result EQUAL 0)
    message(FATAL_ERROR "the check passed where it read no file:\n${out}")
endif()
file(REMOVE_RECURSE "${WORK}")
message(STATUS "the layer check fails on an upward include, also inside control/, and on no files")
