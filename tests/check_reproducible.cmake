# Builds and packs the project again in another folder, at least two seconds
# later (a zip's times count in two-second steps), and checks that the
# archive comes out byte for byte the same as the first.
#
#   SOURCE_DIR  the project
#   BUILD_DIR   the other folder, emptied first
#   GENERATOR   CMake's generator
#   OPTIONS     the configure options of the first build (a list)
#   ARCHIVE     the first build's archive
#   CPACK       cpack
cmake_minimum_required(VERSION 3.25)

file(REMOVE_RECURSE "${BUILD_DIR}")
execute_process(COMMAND "${CMAKE_COMMAND}" -E sleep 2)
function(run_step step)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
    if(NOT status STREQUAL "0")
        message(FATAL_ERROR "${step} failed:\n${out}")
    endif()
endfunction()
run_step(configure "${CMAKE_COMMAND}" -S "${SOURCE_DIR}" -B "${BUILD_DIR}" -G "${GENERATOR}" ${OPTIONS})
run_step(build "${CMAKE_COMMAND}" --build "${BUILD_DIR}")
run_step(pack "${CPACK}" --config "${BUILD_DIR}/CPackConfig.cmake" -B "${BUILD_DIR}/package")

get_filename_component(archive_name "${ARCHIVE}" NAME)
set(again "${BUILD_DIR}/package/${archive_name}")
execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${ARCHIVE}" "${again}" RESULT_VARIABLE differ)
if(differ)
    message(FATAL_ERROR "packing again gave other bytes: ${ARCHIVE} and ${again} differ")
endif()
message(STATUS "${archive_name}: the same bytes when packed again")
