# Runs the real executable's --check and checks its exit codes: 0 loaded, 1 failed, 2 usage.
function(expect code)
    execute_process(COMMAND ${EDITOR} ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out
                    ERROR_VARIABLE err)
    if(NOT rc EQUAL code)
        message(FATAL_ERROR "weather-editor ${ARGN}: exit ${rc}, expected ${code}\n${out}${err}")
    endif()
    set(last_output "${out}" PARENT_SCOPE)
endfunction()

set(ENV{QT_QPA_PLATFORM} "")   # --check must not need a display
unset(ENV{DISPLAY})
expect(0 --check ${EXAMPLE})
if(NOT last_output MATCHES "weather.cfg: 8 configurations\n$")
    message(FATAL_ERROR "unexpected output: ${last_output}")
endif()
expect(1 --check ${EXAMPLE} ${EXAMPLE}.missing)
if(NOT last_output MATCHES "missing: the file does not exist")
    message(FATAL_ERROR "unexpected output: ${last_output}")
endif()
# "-" is standard input, here a pipe from another process.
execute_process(COMMAND ${CMAKE_COMMAND} -E cat ${EXAMPLE} COMMAND ${EDITOR} --check -
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0 OR NOT out STREQUAL "-: 8 configurations\n")
    message(FATAL_ERROR "--check - from a pipe: exit ${rc}\n${out}${err}")
endif()
expect(2 --check)
expect(2 --no-such-option)
expect(0 -platform offscreen --version) # Qt's own options, with no display
expect(0 --version)
expect(0 --help)
