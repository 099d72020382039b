ippon_add_test(main_window_test QTEST SOURCES main_window_test.cpp LIBS appcore)

# The real binary starts headless, reaches its title screen and ends cleanly.
add_test(NAME program_starts_and_quits
         COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/program_starts_and_quits.sh $<TARGET_FILE:ipponmichi>)
set_tests_properties(program_starts_and_quits PROPERTIES TIMEOUT 60 ENVIRONMENT "${IPPON_TEST_ENV}")

# The command line answers before any window or display is needed.
ippon_add_test(command_line_test SOURCES command_line_test.cpp LIBS appcore)
add_test(NAME command_line_answers_without_display
         COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/command_line_answers_without_display.sh
                 $<TARGET_FILE:ipponmichi>)
set_tests_properties(command_line_answers_without_display PROPERTIES TIMEOUT 60)
