# Checks what an executable loads: no library beyond the allowed ones (the C
# library and, on Windows, KERNEL32), or, for a static one, nothing at all:
# no program interpreter and no library.
#
#   OBJDUMP   objdump for the executable's format
#   PROGRAM   the executable
#   ALLOWED   the allowed library names, lower case; or STATIC
cmake_minimum_required(VERSION 3.25)

execute_process(COMMAND "${OBJDUMP}" -p "${PROGRAM}"
    OUTPUT_VARIABLE headers ERROR_VARIABLE err RESULT_VARIABLE status)
if(NOT status STREQUAL "0")
    message(FATAL_ERROR "objdump failed (${status}): ${err}")
endif()

# ELF lists "NEEDED <name>", PE "DLL Name: <name>".
string(REGEX MATCHALL "(NEEDED|DLL Name:)[ \t]+[^ \t\r\n]+" entries "${headers}")

if(ALLOWED STREQUAL "STATIC")
    if(NOT headers MATCHES "Program Header:")
        message(FATAL_ERROR "no program headers found in ${PROGRAM}:\n${headers}")
    endif()
    if(headers MATCHES "(^|\n)[ \t]*INTERP[ \t]" OR entries)
        message(FATAL_ERROR "${PROGRAM} is not static: it needs a loader or libraries:\n${headers}")
    endif()
    message(STATUS "${PROGRAM} is static")
    return()
endif()

if(NOT entries)
    message(FATAL_ERROR "no library entries found in ${PROGRAM}:\n${headers}")
endif()
foreach(entry IN LISTS entries)
    string(REGEX REPLACE "^(NEEDED|DLL Name:)[ \t]+" "" library "${entry}")
    string(TOLOWER "${library}" library)
    list(APPEND libraries "${library}")
    if(NOT library IN_LIST ALLOWED)
        list(APPEND unexpected "${library}")
    endif()
endforeach()
if(unexpected)
    message(FATAL_ERROR "${PROGRAM} loads ${unexpected}; allowed: ${ALLOWED}")
endif()
message(STATUS "${PROGRAM} loads ${libraries}")
