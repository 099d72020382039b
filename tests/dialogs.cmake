# The dialogs and the up-down control, headless; each modal is answered from a
# polling timer (dialogs_modal_answer.h).
ippon_add_qtest(result_dialog_test SOURCES result_dialog_test.cpp LIBS dialogs)
ippon_add_qtest(options_dialog_test SOURCES options_dialog_test.cpp LIBS dialogs)
ippon_add_qtest(name_dialog_test SOURCES name_dialog_test.cpp LIBS dialogs)
ippon_add_qtest(about_dialog_test SOURCES about_dialog_test.cpp LIBS dialogs)
ippon_add_qtest(up_down_test SOURCES up_down_test.cpp LIBS widgets)
# The windows towards the window system: title-bar buttons, maximise and
# minimise pressed anyway, placement with the cursor's place unknown.
ippon_add_qtest(window_system_test SOURCES window_system_test.cpp support/ModalAnswerer.h
    LIBS appcore)
target_include_directories(window_system_test PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/support)
