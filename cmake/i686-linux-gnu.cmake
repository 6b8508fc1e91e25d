# Cross build for 32-bit x86 Linux with Debian's cross g++. Tests run natively
# where this machine runs 32-bit x86 programs (it has their loader and C++
# library), else under qemu's user-mode emulator.
set(CROSS_TRIPLET i686-linux-gnu)
set(CROSS_PROCESSOR i686)
if(NOT (EXISTS /lib/ld-linux.so.2 AND EXISTS /usr/lib/i386-linux-gnu/libstdc++.so.6))
    set(CROSS_QEMU qemu-i386)
endif()
include(${CMAKE_CURRENT_LIST_DIR}/linux-cross.cmake)
