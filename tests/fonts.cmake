# The game font as the program gets it: the installed substitute and its widths.
ippon_add_gtest_qt(fonts_test SOURCES fonts_test.cpp LIBS widgets)
