# Unpacks a release archive into a scratch folder and checks it: its exact
# list of files, all under one top folder named after the archive, then its
# executable run where it lands, with the report checked byte for byte.
#
#   ARCHIVE      the archive
#   FILES        the files it must hold, below its top folder
#   EXECUTABLE   the executable, below the top folder
#   WORK_DIR     a scratch folder, emptied first
#   RUN_UNDER    chroot (the executable alone in an otherwise empty root) or
#                the emulator to run it under (a list; may be empty)
#   LINE_END     LF or CRLF, as for run_program.cmake
#   RUN_PROGRAM  run_program.cmake
cmake_minimum_required(VERSION 3.25)

get_filename_component(archive_name "${ARCHIVE}" NAME)
string(REGEX REPLACE "\\.(tar\\.gz|zip)$" "" top "${archive_name}")

file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}/unpacked")
execute_process(COMMAND "${CMAKE_COMMAND}" -E tar tf "${ARCHIVE}"
    OUTPUT_VARIABLE listing RESULT_VARIABLE status)
if(NOT status STREQUAL "0")
    message(FATAL_ERROR "cannot list ${ARCHIVE}")
endif()

string(REPLACE "\n" ";" members "${listing}")
set(files "")
set(failures "")
foreach(member IN LISTS members)
    if(member STREQUAL "")
        continue()
    endif()
    if(NOT member MATCHES "^${top}/")
        string(APPEND failures "outside the top folder ${top}/: ${member}\n")
    elseif(NOT member MATCHES "/$")
        string(REGEX REPLACE "^${top}/" "" file "${member}")
        list(APPEND files "${file}")
    endif()
endforeach()
list(SORT files)
set(expected_files ${FILES})
list(SORT expected_files)
if(NOT files STREQUAL expected_files)
    string(APPEND failures "files: expected ${expected_files}\n       got      ${files}\n")
endif()
if(failures)
    message(FATAL_ERROR "${ARCHIVE}:\n${failures}")
endif()

execute_process(COMMAND "${CMAKE_COMMAND}" -E tar xf "${ARCHIVE}"
    WORKING_DIRECTORY "${WORK_DIR}/unpacked" RESULT_VARIABLE status)
if(NOT status STREQUAL "0")
    message(FATAL_ERROR "cannot unpack ${ARCHIVE}")
endif()
set(program "${WORK_DIR}/unpacked/${top}/${EXECUTABLE}")

if(RUN_UNDER STREQUAL "chroot")
    # Nothing but the executable: no loader, no C library, no /dev or /proc.
    file(MAKE_DIRECTORY "${WORK_DIR}/root")
    file(COPY "${program}" DESTINATION "${WORK_DIR}/root")
    get_filename_component(program_name "${program}" NAME)
    set(program "/${program_name}")
    execute_process(COMMAND id -u OUTPUT_VARIABLE user_id OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(user_id STREQUAL "0")
        set(emulator chroot "${WORK_DIR}/root")
    else()
        # chroot needs root: take it inside a user namespace of our own.
        set(emulator unshare --map-root-user chroot "${WORK_DIR}/root")
    endif()
else()
    set(emulator ${RUN_UNDER})
endif()

execute_process(COMMAND "${CMAKE_COMMAND}" "-DPROGRAM=${program}" "-DEMULATOR=${emulator}"
                        "-DLINE_END=${LINE_END}" -P "${RUN_PROGRAM}"
    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT status STREQUAL "0")
    message(FATAL_ERROR "${EXECUTABLE} from ${archive_name}, run under '${emulator}':\n${out}")
endif()
message(STATUS "${EXECUTABLE} from ${archive_name} ran under '${emulator}' and reported correctly")
