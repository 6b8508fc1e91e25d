# Release archives, made by CPack from what `cmake --install` installs, under
# one top folder with the archive's own name:
# flush_check-<version>-<system>-<processor>.tar.gz (.zip on Windows).
string(TOLOWER "${CMAKE_SYSTEM_NAME}" archive_system)
if(CMAKE_SYSTEM_PROCESSOR MATCHES "^(x86_64|AMD64|amd64)$")
    set(archive_processor x86_64)
elseif(CMAKE_SYSTEM_PROCESSOR MATCHES "^(i[3-6]86|x86|X86)$")
    set(archive_processor x86)
elseif(CMAKE_SYSTEM_PROCESSOR MATCHES "^(aarch64|arm64|ARM64)$")
    set(archive_processor aarch64)
else()
    set(archive_processor "${CMAKE_SYSTEM_PROCESSOR}")
endif()
set(FLUSH_CHECK_ARCHIVE_NAME "${PROJECT_NAME}-${PROJECT_VERSION}-${archive_system}-${archive_processor}")
set(CPACK_PACKAGE_FILE_NAME "${FLUSH_CHECK_ARCHIVE_NAME}")
if(WIN32)
    set(CPACK_GENERATOR ZIP)
else()
    set(CPACK_GENERATOR TGZ)
endif()
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_SOURCE_GENERATOR "")

# Archive member times come from SOURCE_DATE_EPOCH: cpack takes it from the
# last commit, so the same commit packs to the same bytes.
set(CPACK_FLUSH_CHECK_SOURCE_DIR "${PROJECT_SOURCE_DIR}")
set(CPACK_PROJECT_CONFIG_FILE "${CMAKE_CURRENT_LIST_DIR}/cpack_source_date.cmake")

include(CPack)
