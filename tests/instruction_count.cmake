# Compares the whole-process instruction count of flush_check with that of a
# plain C program making the same printf calls, under callgrind (which counts
# instructions, not time, so the numbers repeat run after run).
#
#   VALGRIND    valgrind
#   PROGRAM     flush_check
#   REFERENCE   the plain C program
#   WORK_DIR    where callgrind writes its files
#   MAX_PERCENT how many percent above the reference the program may cost
cmake_minimum_required(VERSION 3.25)

function(count_instructions executable result_var)
    get_filename_component(name "${executable}" NAME)
    set(out_file "${WORK_DIR}/callgrind.${name}.out")
    execute_process(COMMAND "${VALGRIND}" --tool=callgrind "--callgrind-out-file=${out_file}" "${executable}"
        OUTPUT_QUIET ERROR_VARIABLE err RESULT_VARIABLE status)
    if(NOT status STREQUAL "0")
        message(FATAL_ERROR "callgrind failed on ${executable} (${status}): ${err}")
    endif()
    file(STRINGS "${out_file}" totals REGEX "^(summary|totals): [0-9]+")
    list(GET totals 0 total)
    string(REGEX REPLACE "^[a-z]+: " "" total "${total}")
    set(${result_var} "${total}" PARENT_SCOPE)
endfunction()

count_instructions("${PROGRAM}" program_count)
count_instructions("${REFERENCE}" reference_count)
math(EXPR limit "${reference_count} + ${reference_count} * ${MAX_PERCENT} / 100")
message(STATUS "instructions: flush_check ${program_count}, plain C ${reference_count}, limit ${limit}")
if(program_count GREATER limit)
    message(FATAL_ERROR "flush_check runs ${program_count} instructions, over ${limit} "
                        "(${MAX_PERCENT}% above the plain C program's ${reference_count})")
endif()
