# The version is CMake's project(VERSION). The AppStream file's newest release and the Debian
# changelog's newest entry cannot be configured from it, so they must state the same version.
# Run by CTest: cmake -DVERSION_TEXT=... -DSOURCE_DIR=... -DAPP_ID=... -P version_in_one_place.cmake

# AppStream lists the newest release first.
file(READ "${SOURCE_DIR}/resources/${APP_ID}.metainfo.xml" metainfo)
string(REGEX MATCH "<release version=\"([^\"]*)\"" release "${metainfo}")
if(NOT CMAKE_MATCH_1 STREQUAL VERSION_TEXT)
    message(FATAL_ERROR "the AppStream file's newest release is \"${CMAKE_MATCH_1}\", "
                        "project(VERSION) gives \"${VERSION_TEXT}\"")
endif()

# The upstream part of the package version, before the Debian revision.
file(STRINGS "${SOURCE_DIR}/debian/changelog" entry LIMIT_COUNT 1)
string(REGEX MATCH "^tallywick \\(([^)]*)-[^-)]*\\)" package "${entry}")
if(NOT CMAKE_MATCH_1 STREQUAL VERSION_TEXT)
    message(FATAL_ERROR "debian/changelog's newest entry is \"${entry}\", "
                        "project(VERSION) gives \"${VERSION_TEXT}\"")
endif()
message(STATUS "the AppStream file and debian/changelog state ${VERSION_TEXT}")
