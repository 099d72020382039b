# The dialogs and the up-down control, headless; each modal is answered from a
# polling timer (support/ModalAnswerer.h).
ippon_add_test(result_dialog_test QTEST SOURCES result_dialog_test.cpp LIBS dialogs)
ippon_add_test(options_dialog_test QTEST SOURCES options_dialog_test.cpp LIBS dialogs)
ippon_add_test(name_dialog_test QTEST SOURCES name_dialog_test.cpp LIBS dialogs)
ippon_add_test(about_dialog_test QTEST SOURCES about_dialog_test.cpp LIBS dialogs)
ippon_add_test(up_down_test QTEST SOURCES up_down_test.cpp LIBS widgets)
# The windows towards the window system: title-bar buttons, maximise and
# minimise pressed anyway, placement with the cursor's place unknown.
ippon_add_test(window_system_test QTEST SOURCES window_system_test.cpp LIBS appcore)
