# What ships: the installed program, the manual page and, in a build for the
# release archive, the archive itself.

# Installed into a scratch prefix, the program runs from there.
set(install_prefix ${CMAKE_CURRENT_BINARY_DIR}/install_prefix)
add_test(NAME install.into_scratch_prefix
    COMMAND ${CMAKE_COMMAND} --install ${PROJECT_BINARY_DIR} --prefix ${install_prefix})
set_tests_properties(install.into_scratch_prefix PROPERTIES FIXTURES_SETUP installed)
add_program_test(install.program_runs
    PROGRAM ${install_prefix}/${CMAKE_INSTALL_BINDIR}/flush_check${CMAKE_EXECUTABLE_SUFFIX})
set_property(TEST install.program_runs APPEND PROPERTY FIXTURES_REQUIRED installed)

# The manual page renders without a single warning.
if(NOT WIN32)
    find_program(GROFF groff)
    if(GROFF)
        add_test(NAME doc.man_page_renders_cleanly
            COMMAND ${GROFF} -man -ww -z ${PROJECT_BINARY_DIR}/doc/flush_check.1)
        set_tests_properties(doc.man_page_renders_cleanly PROPERTIES FAIL_REGULAR_EXPRESSION ".")
    else()
        message(WARNING "groff not found: the manual page is not checked")
    endif()
endif()

if(NOT FLUSH_CHECK_ARCHIVE)
    return()
endif()

set(archive_dir ${CMAKE_CURRENT_BINARY_DIR}/archive)
if(WIN32)
    set(archive ${archive_dir}/${FLUSH_CHECK_ARCHIVE_NAME}.zip)
    set(archive_files bin/flush_check.exe share/doc/flush_check/README.md)
else()
    set(archive ${archive_dir}/${FLUSH_CHECK_ARCHIVE_NAME}.tar.gz)
    set(archive_files bin/flush_check share/doc/flush_check/README.md share/man/man1/flush_check.1)
endif()
add_test(NAME archive.pack COMMAND ${CMAKE_CPACK_COMMAND} --config ${PROJECT_BINARY_DIR}/CPackConfig.cmake -B ${archive_dir})
set_tests_properties(archive.pack PROPERTIES FIXTURES_SETUP archive)

# Where it lands: a Linux executable alone in an empty root, or under its
# emulator with no sysroot; a Windows one under Wine.
if(WIN32)
    set(run_under ${CMAKE_CROSSCOMPILING_EMULATOR})
elseif(CMAKE_CROSSCOMPILING_EMULATOR)
    list(GET CMAKE_CROSSCOMPILING_EMULATOR 0 run_under) # the emulator without its -L sysroot
else()
    set(run_under chroot)
endif()
add_test(NAME archive.holds_its_files_and_runs_where_unpacked
    COMMAND ${CMAKE_COMMAND}
        -DARCHIVE=${archive}
        "-DFILES=${archive_files}"
        -DEXECUTABLE=bin/flush_check${CMAKE_EXECUTABLE_SUFFIX}
        -DWORK_DIR=${CMAKE_CURRENT_BINARY_DIR}/archive_unpacked
        "-DRUN_UNDER=${run_under}"
        -DLINE_END=${line_end}
        -DRUN_PROGRAM=${CMAKE_CURRENT_SOURCE_DIR}/run_program.cmake
        -P ${CMAKE_CURRENT_SOURCE_DIR}/check_archive.cmake)
set_tests_properties(archive.holds_its_files_and_runs_where_unpacked PROPERTIES FIXTURES_REQUIRED "archive;emulator")

set(again_options
    -DCMAKE_BUILD_TYPE=${CMAKE_BUILD_TYPE}
    -DCMAKE_CXX_COMPILER=${CMAKE_CXX_COMPILER}
    -DFLUSH_CHECK_ARCHIVE=ON
    -DBUILD_TESTING=OFF)
if(CMAKE_TOOLCHAIN_FILE)
    list(APPEND again_options -DCMAKE_TOOLCHAIN_FILE=${CMAKE_TOOLCHAIN_FILE})
endif()
add_test(NAME archive.packs_again_to_the_same_bytes
    COMMAND ${CMAKE_COMMAND}
        -DSOURCE_DIR=${PROJECT_SOURCE_DIR}
        -DBUILD_DIR=${CMAKE_CURRENT_BINARY_DIR}/archive_again
        -DGENERATOR=${CMAKE_GENERATOR}
        "-DOPTIONS=${again_options}"
        -DARCHIVE=${archive}
        -DCPACK=${CMAKE_CPACK_COMMAND}
        -P ${CMAKE_CURRENT_SOURCE_DIR}/check_reproducible.cmake)
set_tests_properties(archive.packs_again_to_the_same_bytes PROPERTIES FIXTURES_REQUIRED archive)
