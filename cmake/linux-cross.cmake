# Shared by the Linux cross toolchain files, which set:
#   CROSS_TRIPLET    Debian's cross compiler prefix, e.g. aarch64-linux-gnu
#   CROSS_PROCESSOR  CMAKE_SYSTEM_PROCESSOR
#   CROSS_QEMU       qemu's user-mode emulator for the target, run with the
#                    target's libraries (-L); unset where the target runs natively
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR ${CROSS_PROCESSOR})

set(CMAKE_C_COMPILER ${CROSS_TRIPLET}-gcc)
set(CMAKE_CXX_COMPILER ${CROSS_TRIPLET}-g++)

set(CMAKE_FIND_ROOT_PATH /usr/${CROSS_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

if(CROSS_QEMU)
    find_program(CROSS_QEMU_PROGRAM ${CROSS_QEMU} NO_CMAKE_FIND_ROOT_PATH)
    if(CROSS_QEMU_PROGRAM)
        set(CMAKE_CROSSCOMPILING_EMULATOR ${CROSS_QEMU_PROGRAM} -L /usr/${CROSS_TRIPLET})
    endif()
endif()
