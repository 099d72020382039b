ippon_add_qtest(main_window_test SOURCES main_window_test.cpp support/ModalAnswerer.h LIBS appcore)
target_include_directories(main_window_test PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/support)

# The real binary starts headless, reaches its title screen and ends cleanly.
add_test(NAME program_starts_and_quits
         COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/program_starts_and_quits.sh $<TARGET_FILE:ipponmichi>)
set_tests_properties(program_starts_and_quits PROPERTIES TIMEOUT 60 ENVIRONMENT "${IPPON_TEST_ENV}")
