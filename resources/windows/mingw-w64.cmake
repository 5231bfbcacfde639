# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 (the posix thread model, which Qt's
# std::thread and mutex code needs). Libraries and headers are taken only from the MinGW sysroot
# (and from the prefixes CMAKE_FIND_ROOT_PATH gains, such as the Windows Qt), never from Linux.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TALLYWICK_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TALLYWICK_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TALLYWICK_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${TALLYWICK_MINGW_TRIPLE}-windres)
# The compiler names end in -posix, which hides the triple from CMake's own search for binutils.
set(CMAKE_AR /usr/bin/${TALLYWICK_MINGW_TRIPLE}-ar CACHE FILEPATH "")
set(CMAKE_RANLIB /usr/bin/${TALLYWICK_MINGW_TRIPLE}-ranlib CACHE FILEPATH "")
set(CMAKE_OBJCOPY /usr/bin/${TALLYWICK_MINGW_TRIPLE}-objcopy CACHE FILEPATH "")
set(CMAKE_STRIP /usr/bin/${TALLYWICK_MINGW_TRIPLE}-strip CACHE FILEPATH "")

list(APPEND CMAKE_FIND_ROOT_PATH /usr/${TALLYWICK_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
