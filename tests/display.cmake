# The course view, its animations and the remark window, on real widgets offscreen.
ippon_add_test(course_view_test QTEST SOURCES course_view_test.cpp LIBS display)
ippon_add_test(remark_box_test QTEST SOURCES remark_box_test.cpp LIBS display)
