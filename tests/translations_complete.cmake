# Brings a copy of every translation up to date with the texts in the code and fails where a text
# has no translation yet, or a translation is left over from a text the code no longer has.
# Run by CTest: cmake -DLUPDATE=... -DSOURCE_DIR=... -DSCRATCH=... -DSOURCES=... -P translations_complete.cmake

if(NOT LUPDATE)
    message(FATAL_ERROR "lupdate was not found; `make test` installs qt6-l10n-tools")
endif()
file(REMOVE_RECURSE "${SCRATCH}")
file(GLOB ts_files "${SOURCE_DIR}/translations/*.ts")
file(COPY ${ts_files} DESTINATION "${SCRATCH}")
file(GLOB copies "${SCRATCH}/*.ts")
string(REPLACE "," ";" sources "${SOURCES}")
execute_process(
    COMMAND ${LUPDATE} -silent -I . -locations none ${sources} -ts ${copies}
    WORKING_DIRECTORY "${SOURCE_DIR}" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "lupdate failed: ${result}")
endif()
set(incomplete "")
foreach(copy ${copies})
    file(STRINGS "${copy}" left REGEX "type=\"(unfinished|vanished|obsolete)\"")
    list(LENGTH left count)
    if(count GREATER 0)
        get_filename_component(name "${copy}" NAME)
        string(APPEND incomplete "\n  ${name}: ${count} text(s) untranslated or left over")
    endif()
endforeach()
if(incomplete)
    message(FATAL_ERROR "translations are not complete (run `make translations`, then translate):"
                        "${incomplete}")
endif()
list(LENGTH copies languages)
message(STATUS "${languages} translations are complete")
