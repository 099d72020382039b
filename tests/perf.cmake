# Sharp pictures on a screen that doubles every pixel, keyboard play, the
# screen reader's names, and the start-up benchmark's hook.

# Every picture, the drum and the course view at QT_SCALE_FACTOR=2.
ippon_add_qtest(sharp_pictures_test SOURCES sharp_pictures_test.cpp LIBS appcore)
set_tests_properties(sharp_pictures_test PROPERTIES
    ENVIRONMENT "${IPPON_TEST_ENV};QT_SCALE_FACTOR=2")

# A whole game from the keyboard alone, with the dialogs answered by keys.
ippon_add_qtest(keyboard_play_test SOURCES keyboard_play_test.cpp support/ModalAnswerer.h
                LIBS appcore)
target_include_directories(keyboard_play_test PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/support)

# The screen reader's names and descriptions of the game screen.
ippon_add_qtest(accessible_names_test SOURCES accessible_names_test.cpp LIBS appcore)
