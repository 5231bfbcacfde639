# Installs the build into a scratch DESTDIR as a package would, then checks what a desktop reads
# there: the desktop entry and the AppStream file pass their validators, and the theme icon the
# entry names is there at every size, each PNG really of its size.
# Run by CTest: cmake -DBUILD_DIR=... -DSCRATCH=... -DAPP_ID=... -DDESKTOP_FILE_VALIDATE=...
#   -DAPPSTREAMCLI=... -P install_tree.cmake

foreach(tool DESKTOP_FILE_VALIDATE APPSTREAMCLI)
    if(NOT ${tool})
        message(FATAL_ERROR "${tool} was not found; `make test` installs desktop-file-utils and appstream")
    endif()
endforeach()

file(REMOVE_RECURSE "${SCRATCH}")
execute_process(
    COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${SCRATCH} ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix /usr
    RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
set(root "${SCRATCH}/usr")

foreach(file bin/tallywick share/man/man1/tallywick.1)
    if(NOT EXISTS "${root}/${file}")
        message(FATAL_ERROR "not installed: /usr/${file}")
    endif()
endforeach()

# Both validators must say nothing but success: a warning fails the check as an error does.
set(desktop "${root}/share/applications/${APP_ID}.desktop")
execute_process(COMMAND ${DESKTOP_FILE_VALIDATE} "${desktop}"
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0 OR NOT output STREQUAL "")
    message(FATAL_ERROR "desktop-file-validate ${desktop}:\n${output}")
endif()
set(metainfo "${root}/share/metainfo/${APP_ID}.metainfo.xml")
execute_process(COMMAND ${APPSTREAMCLI} validate --pedantic --no-net --no-color "${metainfo}"
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0 OR output MATCHES "(^|\n)[EW]:")
    message(FATAL_ERROR "appstreamcli validate ${metainfo}:\n${output}")
endif()

# The icon the menu shows is the one the entry names.
file(STRINGS "${desktop}" icon_line REGEX "^Icon=")
string(REGEX REPLACE "^Icon=" "" icon "${icon_line}")
set(theme "${root}/share/icons/hicolor")
foreach(size 16 22 24 32 48 64 128 256)
    set(png "${theme}/${size}x${size}/apps/${icon}.png")
    if(NOT EXISTS "${png}")
        message(FATAL_ERROR "no ${size} px icon named ${icon}: ${png}")
    endif()
    # Width and height are the first eight bytes of the IHDR chunk, big-endian.
    file(READ "${png}" header OFFSET 16 LIMIT 8 HEX)
    string(SUBSTRING "${header}" 0 8 width_hex)
    string(SUBSTRING "${header}" 8 8 height_hex)
    math(EXPR width "0x${width_hex}")
    math(EXPR height "0x${height_hex}")
    if(NOT width EQUAL size OR NOT height EQUAL size)
        message(FATAL_ERROR "${png} is ${width}x${height}, not ${size}x${size}")
    endif()
endforeach()
if(NOT EXISTS "${theme}/scalable/apps/${icon}.svg")
    message(FATAL_ERROR "no scalable icon named ${icon}")
endif()
message(STATUS "installed tree in ${SCRATCH} passes")
