# The dialogs and the up-down control, headless; each modal is answered from a
# polling timer (dialogs_modal_answer.h).
ippon_add_qtest(dialogs_message_test SOURCES dialogs_message_test.cpp LIBS dialogs)
ippon_add_qtest(dialogs_debug_test SOURCES dialogs_debug_test.cpp LIBS dialogs)
