# The course view, its animations and the remark window, on real widgets offscreen.
ippon_add_gtest_qt(course_view_test SOURCES course_view_test.cpp LIBS display)
ippon_add_gtest_qt(remark_box_test SOURCES remark_box_test.cpp LIBS display Qt6::Test)
