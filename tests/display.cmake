# The course view, its animations and the remark window, on real widgets offscreen.
ippon_add_gtest_qt(display_test SOURCES display_test.cpp LIBS display)
ippon_add_gtest_qt(messbox_test SOURCES messbox_test.cpp LIBS display Qt6::Test)
