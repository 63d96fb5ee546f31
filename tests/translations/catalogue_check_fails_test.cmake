# The catalogue check must fail on a catalogue with one fault of each kind it
# looks for, and name the fault; and pass on the catalogue as it is.
#
#     cmake -DCHECK=<catalogue_check> -DSOURCE_DIR=<the sources> -DCATALOGUE=<a .ts>
#           -DWORK=<a scratch folder> -P catalogue_check_fails_test.cmake
file(REMOVE_RECURSE "${WORK}")
file(READ "${CATALOGUE}" good)

function(expect_result text expected_failure)
    file(WRITE "${WORK}/catalogue.ts" "${text}")
    execute_process(COMMAND ${CHECK} ${SOURCE_DIR} ${WORK}/catalogue.ts
                    RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
    if(expected_failure STREQUAL "")
        if(NOT result EQUAL 0)
            message(FATAL_ERROR "the check failed on a good catalogue:\n${out}")
        endif()
    elseif(result EQUAL 0 OR NOT out MATCHES "${expected_failure}")
        message(FATAL_ERROR "the check did not find \"${expected_failure}\":\n${out}")
    endif()
endfunction()

expect_result("${good}" "")

# One fault at a time, each in a copy of the good one: what is replaced,
# by what, and what the check must say.
function(expect_fault from to expected)
    string(FIND "${good}" "${from}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "${CATALOGUE} holds no ${from} to spoil")
    endif()
    string(REPLACE "${from}" "${to}" faulty "${good}")
    expect_result("${faulty}" "${expected}")
endfunction()

expect_fault("<translation>Null</translation>" "<translation type=\"unfinished\">Null</translation>"
             "\"Zero\" is not finished")
expect_fault("speichern: %2</translation>" "speichern: %3</translation>" "does not keep")
expect_fault("<translation>&amp;Beenden</translation>" "<translation>&amp;Neu beenden</translation>"
             "share the letter n")
expect_fault("Bandgruppen (*.grp)|*.grp||" "Bandgruppen (*.grp)|*.gr||" "does not keep")
expect_fault("<source>Zero</source>" "<source>Nought</source>" "lacks \"Zero\"")
file(REMOVE_RECURSE "${WORK}")
message(STATUS "the catalogue check finds each fault and passes the good catalogue")
