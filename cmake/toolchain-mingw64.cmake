# Cross-builds the Windows programs on Linux with mingw-w64 (Debian's g++-mingw-w64-x86-64-posix and
# binutils-mingw-w64-x86-64). The posix flavour is the one whose C++ runtime has std::thread.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(BAZELOT_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${BAZELOT_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${BAZELOT_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${BAZELOT_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${BAZELOT_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# libgcc, libstdc++ and winpthread linked in, so that every program is one file that needs no DLL
# beside it; only Windows' own DLLs are imported.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
