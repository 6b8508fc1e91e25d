# Cross build for 32-bit Windows x86 with Debian's mingw-w64, tests run under
# 32-bit Wine (Debian: wine32:i386).
set(MINGW_TRIPLET i686-w64-mingw32)
set(MINGW_PROCESSOR i686)
set(WINE_LOADER wine)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
