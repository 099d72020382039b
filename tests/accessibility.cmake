# The real program played by keyboard with the Orca screen reader listening;
# its speech goes to a transcript that the check reads (scripts/screen-reader).
# Registered where Orca and its companions are installed (scripts/setup
# installs them).
find_program(IPPON_ORCA orca)
find_program(IPPON_SPEECHD speech-dispatcher)
find_program(IPPON_DBUS_RUN_SESSION dbus-run-session)
find_program(IPPON_XVFB Xvfb)
if(IPPON_ORCA AND IPPON_SPEECHD AND IPPON_DBUS_RUN_SESSION AND IPPON_XVFB
   AND EXISTS /usr/lib/python3/dist-packages/pyatspi)
    add_test(NAME screen_reader_plays_both_endings
             COMMAND ${PROJECT_SOURCE_DIR}/scripts/screen-reader)
    set_tests_properties(screen_reader_plays_both_endings PROPERTIES
        TIMEOUT 300 LABELS accessibility
        ENVIRONMENT "BUILD_DIR=${CMAKE_BINARY_DIR};SCREEN_READER_TIME_LIMIT=270")
endif()
