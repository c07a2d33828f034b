# Windows builds with the MinGW-w64 cross compiler; the preset names the
# target in BUNDELOR_TRIPLE: i686-w64-mingw32 (the shipped program) or
# x86_64-w64-mingw32 (the tests' usual build).
if(NOT BUNDELOR_TRIPLE)
  message(FATAL_ERROR "BUNDELOR_TRIPLE is not set (i686-w64-mingw32 or x86_64-w64-mingw32)")
endif()
# Try-compiles read this file again and need the target too.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES BUNDELOR_TRIPLE)
string(REGEX REPLACE "-.*" "" CMAKE_SYSTEM_PROCESSOR "${BUNDELOR_TRIPLE}")
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER   ${BUNDELOR_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${BUNDELOR_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER  ${BUNDELOR_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${BUNDELOR_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# CTest starts every Windows program through Wine; the prefix, display and
# loader come from tools/wine-env.sh.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../tools/wine-run.sh)
