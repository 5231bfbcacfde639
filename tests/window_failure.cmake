# Starts the Windows program under Wine with no X display, where Wine creates no window and
# CreateWindowEx fails for the drill window. The program must not run on unseen: it ends at once
# with exit code 1, after Qt's reason and a line that names the window. Run by CTest:
#   cmake -DEMULATOR=wine-run.sh;PREFIX -DPROGRAM=Tallywick.exe -P window_failure.cmake

execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY
                        --unset=QT_QPA_PLATFORM --unset=QT_LOGGING_RULES ${EMULATOR} ${PROGRAM}
    RESULT_VARIABLE result ERROR_VARIABLE error TIMEOUT 60)
if(NOT result STREQUAL "1"
   OR NOT error MATCHES "CreateWindowEx failed[^\n]*\n(.*\n)?tallywick: cannot create the window \"Tallywick\"; Qt's reason is above\n")
    message(FATAL_ERROR "without a display: exit ${result}, error output:\n${error}")
endif()
