# Fails when a text of ui/ or app/ has no finished translation: lupdate brings a copy of each .ts
# file up to date with the sources, so a new text that nobody translated shows as unfinished
# even before anyone ran the update_translations target.
file(GLOB ts_files ${SOURCE_DIR}/translations/*.ts)
if(NOT ts_files)
    message(FATAL_ERROR "no .ts files in ${SOURCE_DIR}/translations")
endif()
file(MAKE_DIRECTORY ${WORK})
foreach(ts IN LISTS ts_files)
    get_filename_component(name ${ts} NAME)
    configure_file(${ts} ${WORK}/${name} COPYONLY)
    execute_process(COMMAND ${LUPDATE} ${SOURCE_DIR}/ui ${SOURCE_DIR}/app
                            ${SOURCE_DIR}/config/weathertable.cpp -extensions cpp,h
                            -locations none -no-obsolete -ts ${WORK}/${name}
                    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT rc EQUAL 0)
        message(FATAL_ERROR "lupdate failed on ${name}:\n${out}${err}")
    endif()
    file(STRINGS ${WORK}/${name} lines)
    set(source "")
    set(unfinished "")
    foreach(line IN LISTS lines)
        if(line MATCHES "<source>(.*)")
            string(REPLACE "</source>" "" source "${CMAKE_MATCH_1}")
        elseif(line MATCHES "type=\"unfinished\"")
            string(APPEND unfinished "\n  ${source}")
        endif()
    endforeach()
    if(unfinished)
        message(FATAL_ERROR "${name} has no translation for:${unfinished}\n"
                            "Run the update_translations target and translate them.")
    endif()
endforeach()
