# The slot drum, on its real widgets offscreen.
ippon_add_gtest_qt(slot_drum_test SOURCES slot_drum_test.cpp LIBS slot assets Qt6::Test)
