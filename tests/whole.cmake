# Whole-program checks: a seeded monkey plays the real form set offscreen. The
# ctest run is short and pinned to one seed; scripts/sanitize runs a long one
# under the sanitizers with a fresh seed.
ippon_add_test(monkey_test QTEST TIMEOUT 300
    SOURCES monkey_test.cpp support/BadInput.cpp support/BadInput.h
    LIBS appcore)
set_property(TEST monkey_test APPEND PROPERTY ENVIRONMENT
    "IPPON_MONKEY_SEED=20261208;IPPON_MONKEY_ACTIONS=10000;IPPON_MONKEY_GAMES=40")
# Bad input through the real dialogs into a game, and clicks at odd moments.
ippon_add_test(whole_input_test QTEST SOURCES whole_input_test.cpp LIBS appcore)
