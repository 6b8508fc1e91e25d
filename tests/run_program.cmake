# Runs flush_check once as a user would and checks what they see. When
# standard output takes the report: exit status 0, nothing on standard error
# and the report byte for byte. When it cannot: exit status 1 and one line on
# standard error naming the cause.
#
#   PROGRAM    the executable
#   EMULATOR   what to run it under (a list; may be empty)
#   REPORT     flushed (default): the three-line report; kept: the two-line
#              one; refused: none, but status 1 and, on standard error, that
#              the processor has no unit to check (of UNIT's name)
#   LINE_END   LF (default) or CRLF
#   ARGUMENTS  none (default) or varied: many, long, empty and odd arguments
#   STDOUT     captured (default), full (/dev/full), closed, or no_reader (a
#              pipe whose reader has gone)
#   CAUSE      with an unwritable STDOUT: the system's text for the error
#   STDERR     captured (default) or closed
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
elseif(REPORT STREQUAL "refused")
    set(expected "")
else()
    message(FATAL_ERROR "REPORT must be flushed, kept or refused, not '${REPORT}'")
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

# A shell wrapper hands the program an unusual standard output or error.
set(script "")
if(STDOUT STREQUAL "closed")
    set(script [[exec "$@" >&-]])
elseif(STDOUT STREQUAL "no_reader")
    # A FIFO opened for reading and writing, then closed for reading: the
    # program's first write finds no reader, every time, with no race.
    set(script [[dir=$(mktemp -d) && mkfifo "$dir/pipe" &&
exec 3<>"$dir/pipe" 4>"$dir/pipe" 3<&- && rm -r "$dir" && exec "$@" >&4 4>&-]])
endif()
if(STDERR STREQUAL "closed")
    if(NOT script)
        set(script [[exec "$@"]])
    endif()
    string(APPEND script " 2>&-")
endif()
if(script)
    set(wrapper sh -c "${script}" sh)
endif()

# Standard output and error go to files, read back as hex: OUTPUT_VARIABLE
# and a plain file(READ) would turn CR LF into LF.
string(RANDOM LENGTH 12 token)
set(out_file "${CMAKE_CURRENT_BINARY_DIR}/flush_check_stdout_${token}.txt")
set(err_file "${CMAKE_CURRENT_BINARY_DIR}/flush_check_stderr_${token}.txt")
if(STDOUT STREQUAL "full")
    set(output OUTPUT_FILE /dev/full)
else()
    set(output OUTPUT_FILE "${out_file}")
endif()
list(APPEND output ERROR_FILE "${err_file}" RESULT_VARIABLE status)

if(ARGUMENTS STREQUAL "varied")
    # An empty argument has to be written out here: list expansion drops it.
    execute_process(COMMAND ${wrapper} ${command} "" ${output})
else()
    execute_process(COMMAND ${wrapper} ${command} ${output})
endif()

function(read_hex file hex_var)
    set(hex "")
    if(EXISTS "${file}")
        file(READ "${file}" hex HEX)
        file(REMOVE "${file}")
    endif()
    set(${hex_var} "${hex}" PARENT_SCOPE)
endfunction()
read_hex("${out_file}" out_hex)
read_hex("${err_file}" err_hex)
string(HEX "${expected}" expected_hex)

if(REPORT STREQUAL "refused")
    set(expected_status 1)
    set(expected_err "flush_check: this processor has no ${UNIT} unit, so there is no mode to check${eol}")
elseif(STDOUT STREQUAL "captured")
    set(expected_status 0)
    set(expected_err "")
elseif(STDERR STREQUAL "closed")
    set(expected_status 1)
    set(expected_err "")
elseif(CAUSE)
    set(expected_status 1)
    set(expected_err "flush_check: cannot write the report: ${CAUSE}${eol}")
else()
    message(FATAL_ERROR "STDOUT ${STDOUT} needs the CAUSE the program must name")
endif()

set(failures "")
if(NOT status STREQUAL expected_status)
    string(APPEND failures "exit status: expected ${expected_status}, got '${status}'\n")
endif()
string(HEX "${expected_err}" expected_err_hex)
if(NOT err_hex STREQUAL expected_err_hex)
    string(APPEND failures "standard error:\nexpected bytes:\n${expected_err_hex}\ngot bytes:\n${err_hex}\n"
                           "expected text:\n${expected_err}")
endif()
if(STDOUT STREQUAL "captured" AND NOT out_hex STREQUAL expected_hex)
    string(APPEND failures "standard output:\nexpected bytes:\n${expected_hex}\ngot bytes:\n${out_hex}\n"
                           "expected text:\n${expected}")
endif()
if(failures)
    message(FATAL_ERROR "${PROGRAM} (${REPORT}, stdout ${STDOUT}, stderr ${STDERR}):\n${failures}")
endif()
