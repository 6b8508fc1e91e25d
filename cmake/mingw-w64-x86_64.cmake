# Cross build for Windows x86-64 with Debian's mingw-w64, tests run under Wine.
set(MINGW_TRIPLET x86_64-w64-mingw32)
set(MINGW_PROCESSOR x86_64)
set(WINE_LOADER wine64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
