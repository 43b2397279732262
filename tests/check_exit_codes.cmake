# Runs the real executable's --check and CSV commands and checks their exit codes: 0 done,
# 1 a file fault, 2 usage. EMULATOR, when given, runs it (Wine for the Windows build).
if(EMULATOR)
    set(EDITOR ${EMULATOR} ${EDITOR})
endif()
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

# --diff: 0 equal, 1 differ, 2 trouble, "-" standard input for one of the two.
execute_process(COMMAND ${CMAKE_COMMAND} -E cat ${EXAMPLE} COMMAND ${EDITOR} --diff ${EXAMPLE} -
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0 OR NOT out STREQUAL "8 configurations, no differences\n")
    message(FATAL_ERROR "--diff FILE - from a pipe: exit ${rc}\n${out}${err}")
endif()
expect(2 --diff ${EXAMPLE} ${EXAMPLE}.missing)
expect(2 --diff - -)
expect(2 --diff ${EXAMPLE})
expect(2 --no-such-option)
expect(0 -platform offscreen --version) # Qt's own options, with no display
expect(0 --version)
expect(0 --help)
expect(0 --help-all)

# The CSV round trip through the real program, standard input included, also without a display.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
expect(0 --export-csv ${EXAMPLE} -o ${WORK}/ex.csv)
execute_process(COMMAND ${EDITOR} --import-csv - -o ${WORK}/back.cfg INPUT_FILE ${WORK}/ex.csv
                RESULT_VARIABLE rc)
file(SHA256 ${EXAMPLE} original)
file(SHA256 ${WORK}/back.cfg back)
if(NOT rc EQUAL 0 OR NOT original STREQUAL back)
    message(FATAL_ERROR "--import-csv - did not give back the example (exit ${rc})")
endif()
expect(1 --import-csv ${EXAMPLE} -o ${WORK}/bad.cfg)
# -o writes into a device (the tests of the save check that it stays one); a device that takes
# nothing is a file fault.
foreach(device /dev/null /dev/full)
    if(EMULATOR)
        # This script runs on the build machine; the Windows program under Wine sees no POSIX
        # device (Z:\dev\null is no device there).
        message("skipped on Windows: -o ${device}: a POSIX device, which the Windows program cannot name")
    elseif(EXISTS ${device})
        set(code 0)
        if(device STREQUAL "/dev/full")
            set(code 1)
        endif()
        expect(${code} --export-csv ${EXAMPLE} -o ${device})
        expect(${code} --import-csv ${WORK}/ex.csv -o ${device})
    endif()
endforeach()
expect(2 --import-csv ${WORK}/ex.csv)

# --diff of two files that differ in one name.
file(READ ${EXAMPLE} text)
string(REPLACE "0 Temperate Coast" "0 Temperate Shore" text "${text}")
file(WRITE ${WORK}/renamed.cfg "${text}")
expect(1 --diff ${EXAMPLE} ${WORK}/renamed.cfg)
if(NOT last_output MATCHES "^0 Temperate Coast: name \"Temperate Coast\" -> \"Temperate Shore\"\n1 configuration differs\n$")
    message(FATAL_ERROR "unexpected --diff output: ${last_output}")
endif()

# Standard output that takes nothing is a fault, not a silent loss.
find_program(SH sh)
if(EMULATOR)
    message("skipped on Windows: output to /dev/full, -o /dev/stdout and --diff of /dev/stdin "
            "and a FIFO: POSIX devices and FIFOs, which the Windows program cannot name")
    unset(SH)
    unset(SH CACHE)
endif()
if(SH AND EXISTS /dev/full)
    foreach(command --export-csv --check --help --version)
        execute_process(COMMAND ${SH} -c "\"$0\" $1 \"$2\" > /dev/full"
                                ${EDITOR} ${command} ${EXAMPLE} RESULT_VARIABLE rc ERROR_VARIABLE err)
        if(NOT rc EQUAL 1 OR NOT err MATCHES "^-: cannot write standard output")
            message(FATAL_ERROR "${command} > /dev/full: exit ${rc}\n${err}")
        endif()
    endforeach()
endif()

# Descriptors the shell opened, standard input and output.
if(SH AND EXISTS /dev/stdout)
    # -o /dev/stdout writes where the shell's output stands, after what is there, and leaves the
    # file in place for what comes after.
    file(WRITE ${WORK}/log.txt "old\n")
    execute_process(COMMAND ${SH} -c "{ \"$0\" --export-csv \"$1\" -o /dev/stdout; echo end; } >> \"$2\""
                            ${EDITOR} ${EXAMPLE} ${WORK}/log.txt RESULT_VARIABLE rc)
    file(READ ${WORK}/log.txt log)
    file(READ ${WORK}/ex.csv csv)
    if(NOT rc EQUAL 0 OR NOT log STREQUAL "old\n${csv}end\n")
        message(FATAL_ERROR "-o /dev/stdout did not write into the shell's file (exit ${rc}):\n${log}")
    endif()
    # --diff of one stream named twice is a usage error, not a hang or an empty second file.
    foreach(script "cat \"$1\" | \"$0\" --diff - /dev/stdin"
                   "cat \"$1\" | \"$0\" --diff /dev/stdin /dev/fd/0"
                   "mkfifo \"$2\" && exec \"$0\" --diff \"$2\" \"$2\"")
        file(REMOVE ${WORK}/fifo)
        execute_process(COMMAND ${SH} -c "${script}" ${EDITOR} ${EXAMPLE} ${WORK}/fifo
                        RESULT_VARIABLE rc ERROR_VARIABLE err TIMEOUT 20)
        if(NOT rc EQUAL 2 OR NOT err MATCHES "are one stream")
            message(FATAL_ERROR "${script}: exit ${rc}\n${err}")
        endif()
    endforeach()
endif()
