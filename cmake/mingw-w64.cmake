# Cross build for 64-bit Windows with the mingw-w64 POSIX-thread compilers;
# the test programs run under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(_morwick_triple x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${_morwick_triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${_morwick_triple}-g++-posix)
set(CMAKE_RC_COMPILER ${_morwick_triple}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${_morwick_triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Every program carries its own runtime, so Wine (and a bare Windows) needs
# no DLL from the compiler.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

find_program(MORWICK_WINE NAMES wine wine64 REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${MORWICK_WINE})

# -O2 as on the other Windows compilers: -O3 buys this program nothing and
# makes GCC 12 raise false -Wrestrict alarms inside std::string.
set(CMAKE_C_FLAGS_RELEASE "-O2 -DNDEBUG" CACHE STRING "Flags for Release builds")
set(CMAKE_CXX_FLAGS_RELEASE "-O2 -DNDEBUG" CACHE STRING "Flags for Release builds")
