# Cross build for 64-bit Windows with Debian's mingw-w64 (posix threads
# variant). Programs the build makes run under Wine through the emulator
# script beside this file, so CTest runs the test .exe files directly.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(GMTRRT_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${GMTRRT_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${GMTRRT_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${GMTRRT_MINGW_TRIPLE}-windres)
set(CMAKE_OBJDUMP ${GMTRRT_MINGW_TRIPLE}-objdump)

set(CMAKE_FIND_ROOT_PATH /usr/${GMTRRT_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# CMake packages are found in the given prefixes as well (a host's
# CMAKE_PREFIX_PATH to an installed GMTRRT); the project builds its own
# GoogleTest for cross builds instead of looking for one.
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)

# Programs link their C++ runtime statically, so they run under Wine (and on
# Windows) without the MinGW runtime DLLs beside them.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)

# Every build folder gets its own Wine prefix, made on first use. Projects
# built inside the tests pass GMTRRT_WINEPREFIX to share their parent's.
if(NOT GMTRRT_WINEPREFIX)
  set(GMTRRT_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
endif()
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh ${GMTRRT_WINEPREFIX})
