# Runs flush_check once as a user would and checks what they see: exit status
# 0, nothing on standard error and, when standard output is captured, the
# report byte for byte.
#
#   PROGRAM    the executable
#   EMULATOR   what to run it under (a list; may be empty)
#   REPORT     flushed (default): the three-line report; kept: the two-line one
#   LINE_END   LF (default) or CRLF
#   ARGUMENTS  none (default) or varied: many, long, empty and odd arguments
#   STDOUT     captured (default), full (/dev/full), closed, or no_reader (a
#              pipe whose reader has gone)
cmake_minimum_required(VERSION 3.25)

if(NOT REPORT)
    set(REPORT flushed)
endif()
if(NOT STDOUT)
    set(STDOUT captured)
endif()
if(LINE_END STREQUAL "CRLF")
    set(eol "\r\n")
else()
    set(eol "\n")
endif()

set(d "2.2250738585072014e-308")
if(REPORT STREQUAL "flushed")
    set(expected "d = ${d}${eol}2.0 * (d / 2.0) = 0.0000000000000000e+00${eol}Denormals are flushed to zero.${eol}")
elseif(REPORT STREQUAL "kept")
    set(expected "d = ${d}${eol}2.0 * (d / 2.0) = ${d}${eol}")
else()
    message(FATAL_ERROR "REPORT must be flushed or kept, not '${REPORT}'")
endif()

set(command ${EMULATOR} "${PROGRAM}")
if(ARGUMENTS STREQUAL "varied")
    # Options it might be expected to know, printf conversions, bytes beyond
    # ASCII, a long argument and many short ones (kept under Windows's
    # 32767-character command line).
    string(REPEAT "x" 20000 long_argument)
    list(APPEND command --help -v /? "%s%s%n%p%.99999e" "d = 0" "é ñ ü €" "${long_argument}")
    foreach(i RANGE 1 500)
        list(APPEND command "${i}")
    endforeach()
endif()

# Shell wrappers that hand the program an unusual standard output.
if(STDOUT STREQUAL "closed")
    set(wrapper sh -c [[exec "$@" >&-]] sh)
elseif(STDOUT STREQUAL "no_reader")
    # A FIFO opened for reading and writing, then closed for reading: the
    # program's first write finds no reader, every time, with no race.
    set(wrapper sh -c [[dir=$(mktemp -d) && mkfifo "$dir/pipe" &&
exec 3<>"$dir/pipe" 4>"$dir/pipe" 3<&- && rm -r "$dir" && exec "$@" >&4 4>&-]] sh)
endif()

# Standard output goes to a file, read back as hex: OUTPUT_VARIABLE and a
# plain file(READ) would turn CR LF into LF.
string(RANDOM LENGTH 12 token)
set(out_file "${CMAKE_CURRENT_BINARY_DIR}/flush_check_stdout_${token}.txt")
if(STDOUT STREQUAL "full")
    set(output OUTPUT_FILE /dev/full)
else()
    set(output OUTPUT_FILE "${out_file}")
endif()

if(ARGUMENTS STREQUAL "varied")
    # An empty argument has to be written out here: list expansion drops it.
    execute_process(COMMAND ${wrapper} ${command} "" ${output} ERROR_VARIABLE err RESULT_VARIABLE status)
else()
    execute_process(COMMAND ${wrapper} ${command} ${output} ERROR_VARIABLE err RESULT_VARIABLE status)
endif()

set(out_hex "")
if(EXISTS "${out_file}")
    file(READ "${out_file}" out_hex HEX)
    file(REMOVE "${out_file}")
endif()
string(HEX "${expected}" expected_hex)

set(failures "")
if(NOT status STREQUAL "0")
    string(APPEND failures "exit status: expected 0, got '${status}'\n")
endif()
if(NOT err STREQUAL "")
    string(APPEND failures "standard error: expected nothing, got '${err}'\n")
endif()
if(STDOUT STREQUAL "captured" AND NOT out_hex STREQUAL expected_hex)
    string(APPEND failures "standard output:\nexpected bytes:\n${expected_hex}\ngot bytes:\n${out_hex}\n"
                           "expected text:\n${expected}")
endif()
if(failures)
    message(FATAL_ERROR "${PROGRAM} (${REPORT}, stdout ${STDOUT}):\n${failures}")
endif()
