# Read by cpack before it packs: unless SOURCE_DATE_EPOCH is set already, set
# it to the time of the commit being packed.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
    execute_process(COMMAND git log -1 --format=%ct
        WORKING_DIRECTORY "${CPACK_FLUSH_CHECK_SOURCE_DIR}"
        OUTPUT_VARIABLE commit_time OUTPUT_STRIP_TRAILING_WHITESPACE
        RESULT_VARIABLE status ERROR_QUIET)
    if(status STREQUAL "0" AND commit_time MATCHES "^[0-9]+$")
        set(ENV{SOURCE_DATE_EPOCH} "${commit_time}")
    else()
        message(WARNING "not a git checkout: archive member times are the files' own")
    endif()
endif()
