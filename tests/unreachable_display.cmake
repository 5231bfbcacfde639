# Starts the program where no display can be opened and expects what a user should see: exit
# code 1 and one line on standard error, not Qt's abort; where only Qt's Wayland platform is
# missing, a line that names it. Where the display is not the fault (a
# platform plugin that is not there) it expects Qt's reason and a last line that does not send the
# user to xvfb-run. Run by CTest:
#   cmake -DPROGRAM=... -DRUNTIME_DIR=... -P unreachable_display.cmake

# An empty runtime folder and no session type, so no real desktop of the machine is reached.
file(REMOVE_RECURSE "${RUNTIME_DIR}")
file(MAKE_DIRECTORY "${RUNTIME_DIR}")
set(clean_env --unset=QT_QPA_PLATFORM --unset=XDG_SESSION_TYPE --unset=DISPLAY
    --unset=WAYLAND_DISPLAY --unset=QT_LOGGING_RULES --unset=QT_DEBUG_PLUGINS
    XDG_RUNTIME_DIR=${RUNTIME_DIR})

# Whether Qt has its Wayland platform here: Debian ships it apart from Qt, in qt6-wayland.
execute_process(COMMAND ${CMAKE_COMMAND} -E env ${clean_env} QT_QPA_PLATFORM=wayland ${PROGRAM}
    ERROR_VARIABLE probe TIMEOUT 30)
string(FIND "${probe}" "Could not find the Qt platform plugin \"wayland\"" no_wayland)

# Each case is the variables it sets, joined by "+". A Wayland display is there (a file stands in
# for its socket) in the last one.
set(no_plugin "QT_QPA_PLATFORM=tallywick-no-such-platform")
set(wayland_there "WAYLAND_DISPLAY=tallywick-wayland")
file(TOUCH "${RUNTIME_DIR}/tallywick-wayland")
foreach(case "" "DISPLAY=:9999" "WAYLAND_DISPLAY=tallywick-no-such-socket"
        "QT_QPA_PLATFORM=xcb+DISPLAY=:9999" "${no_plugin}" "${wayland_there}")
    string(REPLACE "+" ";" variables "${case}")
    execute_process(COMMAND ${CMAKE_COMMAND} -E env ${clean_env} ${variables} ${PROGRAM}
        RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE error TIMEOUT 30)
    string(REGEX MATCHALL "\n" newlines "${error}")
    list(LENGTH newlines lines)
    set(failed TRUE)
    if(NOT result STREQUAL "1" OR NOT output STREQUAL "")
    elseif(case STREQUAL no_plugin)
        if(error MATCHES "tallywick-no-such-platform.*\ntallywick: [^\n]*\n$"
           AND NOT error MATCHES "cannot open a display|xvfb")
            set(failed FALSE)
        endif()
    elseif(case STREQUAL wayland_there AND NOT no_wayland EQUAL -1)
        # Without Qt's Wayland platform, the line names it, and XWayland, as what is missing.
        if(lines EQUAL 1 AND error MATCHES "^tallywick: cannot open the Wayland .*qt6-wayland.*XWayland")
            set(failed FALSE)
        endif()
    elseif(lines EQUAL 1 AND error MATCHES "^tallywick: cannot open a display")
        set(failed FALSE)
    endif()
    if(failed)
        message(FATAL_ERROR "${case}: exit ${result}, stdout \"${output}\", stderr:\n${error}")
    endif()
    message(STATUS "${case}: ${error}")
endforeach()
