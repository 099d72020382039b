# The slot drum, on its real widgets offscreen.
ippon_add_test(slot_drum_test QTEST SOURCES slot_drum_test.cpp LIBS slot assets)
