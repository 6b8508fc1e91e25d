# Cross build for 32-bit ARM Linux (ARMv7, hard-float VFP) with Debian's cross
# g++, tests run under qemu's user-mode emulator.
set(CROSS_TRIPLET arm-linux-gnueabihf)
set(CROSS_PROCESSOR armv7)
set(CROSS_QEMU qemu-arm)
include(${CMAKE_CURRENT_LIST_DIR}/linux-cross.cmake)
