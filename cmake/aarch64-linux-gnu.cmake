# Cross build for 64-bit ARM Linux with Debian's cross g++, tests run under
# qemu's user-mode emulator.
set(CROSS_TRIPLET aarch64-linux-gnu)
set(CROSS_PROCESSOR aarch64)
set(CROSS_QEMU qemu-aarch64)
include(${CMAKE_CURRENT_LIST_DIR}/linux-cross.cmake)
