# Cross-builds the native Windows program on Debian with mingw-w64:
#   cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
# The posix flavour of the compiler: std::thread and friends need it.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(TURVANE_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TURVANE_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TURVANE_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${TURVANE_MINGW_PREFIX}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${TURVANE_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# One file to ship: the C and C++ runtimes and winpthreads linked in, so
# no DLL but Windows' own has to lie beside the program.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
# Tests and test discovery run the programs through Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
