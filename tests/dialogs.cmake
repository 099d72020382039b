# The dialogs and the up-down control, headless; each modal is answered from a
# polling timer (dialogs_modal_answer.h).
ippon_add_qtest(dialogs_message_test SOURCES dialogs_message_test.cpp LIBS dialogs)
ippon_add_qtest(dialogs_debug_test SOURCES dialogs_debug_test.cpp LIBS dialogs)
ippon_add_qtest(dialogs_name_test SOURCES dialogs_name_test.cpp LIBS dialogs)
ippon_add_qtest(dialogs_notes_test SOURCES dialogs_notes_test.cpp LIBS dialogs)
ippon_add_qtest(dialogs_updown_test SOURCES dialogs_updown_test.cpp LIBS platform)
