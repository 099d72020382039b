# The course view, its animations and the remark window, on real widgets offscreen.
ippon_add_test(course_view_test QTEST SOURCES course_view_test.cpp support/CourseViewTimer.h LIBS display)
target_include_directories(course_view_test PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/support)
ippon_add_test(remark_box_test WIDGETS SOURCES remark_box_test.cpp LIBS display Qt6::Test)
