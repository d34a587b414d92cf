# Cross-compiles for 64-bit Windows with Debian's mingw-w64 (posix threads,
# which Qt's std::thread use needs). Qt for Windows and Kelvora both build
# with it, so the two agree on compiler and runtime.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(KELVORA_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${KELVORA_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KELVORA_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${KELVORA_MINGW}-windres)

# Appended, so that a Qt for Windows given with -DCMAKE_FIND_ROOT_PATH is
# searched as well as the compiler's own root.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${KELVORA_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
