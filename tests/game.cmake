# The status panel on real labels offscreen, in the shipped font.
ippon_add_test(status_panel_widget_test QTEST SOURCES status_panel_widget_test.cpp LIBS display)
