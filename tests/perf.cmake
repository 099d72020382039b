# Sharp pictures on a screen that doubles every pixel, keyboard play, the
# screen reader's names, the start-up benchmark's hook, and what the title
# screen loads.

# Every picture, the drum and the course view at QT_SCALE_FACTOR=2.
ippon_add_test(sharp_pictures_test QTEST SOURCES sharp_pictures_test.cpp LIBS appcore)
set_tests_properties(sharp_pictures_test PROPERTIES
    ENVIRONMENT "${IPPON_TEST_ENV};QT_SCALE_FACTOR=2")

# A whole game from the keyboard alone, with the dialogs answered by keys.
ippon_add_test(keyboard_play_test QTEST SOURCES keyboard_play_test.cpp LIBS appcore)

# The screen reader's names and descriptions of the game screen.
ippon_add_test(accessible_names_test QTEST SOURCES accessible_names_test.cpp LIBS appcore)

# The start-up benchmark's hook, in the program and in its yardstick.
foreach(program ipponmichi minimal_window)
    add_test(NAME ${program}_reports_its_first_frame_when_benchmarked
             COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/benchmark_hook_reports_first_frame.sh
                     $<TARGET_FILE:${program}>)
    set_tests_properties(${program}_reports_its_first_frame_when_benchmarked
                         PROPERTIES TIMEOUT 60 ENVIRONMENT "${IPPON_TEST_ENV}")
endforeach()

# The title screen loads no image plugin.
add_test(NAME title_screen_loads_no_image_plugin
         COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/title_screen_loads_no_image_plugin.sh
                 $<TARGET_FILE:ipponmichi>)
set_tests_properties(title_screen_loads_no_image_plugin
                     PROPERTIES TIMEOUT 60 ENVIRONMENT "${IPPON_TEST_ENV}")
