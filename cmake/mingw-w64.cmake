# Shared by the Windows toolchain files, which set:
#   MINGW_TRIPLET    Debian's mingw-w64 compiler prefix, e.g. x86_64-w64-mingw32
#   MINGW_PROCESSOR  CMAKE_SYSTEM_PROCESSOR
#   WINE_LOADER      the Wine loader for the target's width
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${MINGW_PROCESSOR})

# The -posix compilers: the default (win32 threads) ones lack std::mutex,
# which GoogleTest needs.
set(CMAKE_C_COMPILER ${MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Link the GCC, C++ and threads run times in: the executables then need only
# Windows's own DLLs (KERNEL32 and msvcrt). And stamp no build time into the
# PE header, so that the same source links to the same bytes.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -Wl,--no-insert-timestamp")

# Wine, quiet, in a prefix of the build tree's own. Debian installs its
# loaders outside PATH.
find_program(WINE_LOADER_PROGRAM NAMES ${WINE_LOADER} PATHS /usr/lib/wine NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
if(WINE_LOADER_PROGRAM)
    set(CMAKE_CROSSCOMPILING_EMULATOR
        env WINEDEBUG=-all "WINEDLLOVERRIDES=mscoree,mshtml=" WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix
        ${WINE_LOADER_PROGRAM})
endif()
