# The status panel on real labels offscreen, in the shipped font.
ippon_add_gtest_qt(status_panel_widget_test SOURCES status_panel_widget_test.cpp LIBS display)
