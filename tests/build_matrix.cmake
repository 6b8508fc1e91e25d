# The program built again by each compiler at each optimization setting, then
# run: whatever the flags, the round trip must run on the processor in the mode
# the program set, never be worked out by the compiler. Each build's report is
# checked byte for byte. Its warnings are errors where this build's are (in
# CI): a newer compiler's new warning is no fault of the program's.
if(FLUSH_CHECK_SANITIZE)
    return()
endif()

set(flag_sets
    "O0=-O0"
    "O2=-O2"
    "O3=-O3"
    "Ofast=-Ofast"
    "lto=-O2 -flto"
    "x87=-O2 -mfpmath=387")                    # x86, GCC: plain doubles on the x87 unit
if(NOT CMAKE_CROSSCOMPILING)
    list(APPEND flag_sets "fast_math_native=-O3 -ffast-math -march=native")
endif()
if(CMAKE_SYSTEM_PROCESSOR MATCHES "^i[3-6]86$")
    # 32-bit x86: doubles on SSE2 throughout, and fast math with x87 doubles.
    list(APPEND flag_sets "sse2_math=-O2 -msse2 -mfpmath=sse" "fast_math=-O3 -ffast-math")
elseif(CMAKE_SYSTEM_PROCESSOR MATCHES "^arm")
    # 32-bit ARM: NEON, which flushes whatever the mode, within reach of the vectorizer.
    list(APPEND flag_sets "fast_math_neon=-O3 -ffast-math -mfpu=neon")
endif()

if(CMAKE_CROSSCOMPILING)
    set(compilers "cross=${CMAKE_CXX_COMPILER}")
else()
    set(compilers "")
    find_program(MATRIX_GXX g++)
    find_program(MATRIX_CLANGXX clang++)
    if(MATRIX_GXX)
        list(APPEND compilers "gxx=${MATRIX_GXX}")
    endif()
    if(MATRIX_CLANGXX)
        list(APPEND compilers "clangxx=${MATRIX_CLANGXX}")
    endif()
endif()

# Splits "label=value" at its first "=".
function(split_entry entry label_var value_var)
    string(FIND "${entry}" "=" at)
    string(SUBSTRING "${entry}" 0 ${at} label)
    math(EXPR at "${at} + 1")
    string(SUBSTRING "${entry}" ${at} -1 value)
    set(${label_var} "${label}" PARENT_SCOPE)
    set(${value_var} "${value}" PARENT_SCOPE)
endfunction()

# The build type's own flags less its optimization level (-DNDEBUG stays):
# each row changes only the optimization flags it tests.
string(REGEX REPLACE "(^| )-O[^ ]*" "" release_flags_without_optimization "${CMAKE_CXX_FLAGS_RELEASE}")
if(CMAKE_COMPILE_WARNING_AS_ERROR)
    set(warnings_as_errors ON)
else()
    set(warnings_as_errors OFF)
endif()

foreach(compiler_entry IN LISTS compilers)
    split_entry("${compiler_entry}" compiler_label compiler)
    execute_process(COMMAND "${compiler}" --version OUTPUT_VARIABLE version ERROR_QUIET)
    foreach(flag_entry IN LISTS flag_sets)
        split_entry("${flag_entry}" flags_label flags)
        if(flags_label STREQUAL "x87" AND NOT (version MATCHES "Free Software Foundation"
                                               AND CMAKE_SYSTEM_PROCESSOR MATCHES "x86_64|AMD64|^i[3-6]86$"))
            continue()
        endif()
        set(name "${compiler_label}_${flags_label}")
        set(build_dir "${CMAKE_CURRENT_BINARY_DIR}/matrix/${name}")
        set(options
            -DCMAKE_BUILD_TYPE=Release
            "-DCMAKE_CXX_COMPILER=${compiler}"
            "-DCMAKE_CXX_FLAGS_RELEASE=${flags} ${release_flags_without_optimization}"
            -DBUILD_TESTING=OFF
            -DCMAKE_COMPILE_WARNING_AS_ERROR=${warnings_as_errors})
        if(CMAKE_TOOLCHAIN_FILE)
            list(APPEND options "-DCMAKE_TOOLCHAIN_FILE=${CMAKE_TOOLCHAIN_FILE}")
        endif()
        add_test(NAME matrix.${name}
            COMMAND ${CMAKE_CTEST_COMMAND}
                --build-and-test ${PROJECT_SOURCE_DIR} ${build_dir}
                --build-generator ${CMAKE_GENERATOR}
                --build-project flush_check
                --build-target flush_check
                --build-options ${options}
                --test-command ${CMAKE_COMMAND}
                    -DPROGRAM=${build_dir}/flush_check/flush_check${CMAKE_EXECUTABLE_SUFFIX}
                    "-DEMULATOR=${CMAKE_CROSSCOMPILING_EMULATOR}"
                    -DLINE_END=${line_end}
                    -P ${CMAKE_CURRENT_SOURCE_DIR}/run_program.cmake)
        set_tests_properties(matrix.${name} PROPERTIES LABELS matrix FIXTURES_REQUIRED emulator)
    endforeach()
endforeach()
