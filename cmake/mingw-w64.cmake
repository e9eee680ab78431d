# Cross-compiling for 64-bit Windows with Debian's mingw-w64 (POSIX threads,
# so std::thread and std::mutex work). Used for Qt and for the bar itself;
# the Qt built for Windows is found through CMAKE_PREFIX_PATH, which joins the
# search roots below.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(TOLVEX_MINGW_PREFIX x86_64-w64-mingw32)

set(CMAKE_C_COMPILER ${TOLVEX_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TOLVEX_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${TOLVEX_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${TOLVEX_MINGW_PREFIX} ${CMAKE_PREFIX_PATH})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
