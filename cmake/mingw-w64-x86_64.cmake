# Cross-compiles for 64-bit Windows with Debian's mingw-w64 (package g++-mingw-w64-x86-64-posix).
# The posix flavour has std::thread and the C++20 library parts the win32 flavour lacks.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(QUIBNOTE_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${QUIBNOTE_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QUIBNOTE_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${QUIBNOTE_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${QUIBNOTE_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# GCC 12 reports false overlaps in std::string's inlined copies at -O2 (GCC bug 105329, fixed in
# GCC 13), which warnings-as-errors would turn into a failed build.
set(CMAKE_CXX_FLAGS_INIT "-Wno-restrict")

# One self-contained executable: no libstdc++, libgcc or winpthread DLL beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# Tests and the build's own tools run under Wine.
find_program(QUIBNOTE_WINE NAMES wine wine64)
if(QUIBNOTE_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${QUIBNOTE_WINE})
endif()
