# The game font as the program gets it: the installed substitute and its widths.
ippon_add_test(fonts_test QTEST SOURCES fonts_test.cpp LIBS widgets)
