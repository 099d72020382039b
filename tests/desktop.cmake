# The desktop entry and the metainfo validate, and a copy broken on purpose
# does not (so the validators really look at them).
find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
find_program(APPSTREAMCLI appstreamcli)
set(IPPON_VALIDATE ${CMAKE_CURRENT_SOURCE_DIR}/validate_desktop_files.sh)
if(DESKTOP_FILE_VALIDATE AND APPSTREAMCLI)
    add_test(NAME desktop_files_validate
             COMMAND ${IPPON_VALIDATE} good ${PROJECT_SOURCE_DIR}/assets/desktop)
    add_test(NAME desktop_files_broken_copies_fail
             COMMAND ${IPPON_VALIDATE} broken ${PROJECT_SOURCE_DIR}/assets/desktop)
    set_tests_properties(desktop_files_validate desktop_files_broken_copies_fail
                         PROPERTIES TIMEOUT 60)
endif()
