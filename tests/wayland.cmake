# The widget tests once more as native Wayland clients of a private Weston
# (run_under_weston.sh): with a seat (Weston's x11 backend in its own Xvfb),
# each dialog opened and answered, the main window, a monkey of 10,000
# actions and the real program; without a seat (the headless backend), typing
# into the dialogs and the monkey, which must not crash. `ctest -L wayland` runs just these.
set(IPPON_WESTON ${CMAKE_CURRENT_SOURCE_DIR}/run_under_weston.sh)

function(ippon_add_wayland_run name target)
    cmake_parse_arguments(W "SEATLESS" "TIMEOUT" "ENVIRONMENT" ${ARGN})
    if(NOT W_TIMEOUT)
        set(W_TIMEOUT 180)
    endif()
    add_test(NAME ${name} COMMAND ${IPPON_WESTON} $<TARGET_FILE:${target}>)
    set(environment "${IPPON_TEST_ENV};${W_ENVIRONMENT}")
    if(W_SEATLESS)
        list(APPEND environment "WESTON_HEADLESS=1")
    endif()
    set_tests_properties(${name} PROPERTIES TIMEOUT ${W_TIMEOUT} LABELS wayland
                                            ENVIRONMENT "${environment}")
endfunction()

foreach(test IN ITEMS main_window_test result_dialog_test options_dialog_test name_dialog_test
                      about_dialog_test whole_input_test window_system_test)
    ippon_add_wayland_run(wayland_${test} ${test})
endforeach()
# keyboard_play_test is not run here: its keys are the test's own events,
# with no seat serial, so Qt opens its menus as windows of their own, which
# Weston does not hand the keyboard back from reliably. The end-to-end driver
# (scripts/e2e) plays the same by keys through Weston's real seat: the menu
# bar, the turns, the results and the quit question.
ippon_add_wayland_run(wayland_monkey_test monkey_test TIMEOUT 300
    ENVIRONMENT "IPPON_MONKEY_SEED=20261208;IPPON_MONKEY_ACTIONS=10000;IPPON_MONKEY_GAMES=40")

foreach(test IN ITEMS name_dialog_test options_dialog_test whole_input_test)
    ippon_add_wayland_run(wayland_seatless_${test} ${test} SEATLESS)
endforeach()
ippon_add_wayland_run(wayland_seatless_monkey_test monkey_test SEATLESS TIMEOUT 300
    ENVIRONMENT "IPPON_MONKEY_SEED=20261208;IPPON_MONKEY_ACTIONS=10000;IPPON_MONKEY_GAMES=40")

foreach(seat IN ITEMS seat seatless)
    set(name wayland_program_starts_and_quits)
    set(extra "")
    if(seat STREQUAL seatless)
        set(name wayland_seatless_program_starts_and_quits)
        set(extra "WESTON_HEADLESS=1")
    endif()
    add_test(NAME ${name}
             COMMAND ${IPPON_WESTON} ${CMAKE_CURRENT_SOURCE_DIR}/program_starts_and_quits.sh
                     $<TARGET_FILE:ipponmichi>)
    set_tests_properties(${name} PROPERTIES TIMEOUT 60 LABELS wayland
                                            ENVIRONMENT "${IPPON_TEST_ENV};${extra}")
endforeach()

# The seat check itself: offscreen with no compositor to find, then against
# Weston with a seat and without.
ippon_add_test(seat_probe_test SOURCES seat_probe_test.cpp LIBS desktop)
set_property(TEST seat_probe_test APPEND PROPERTY ENVIRONMENT
    "WAYLAND_DISPLAY=ippon-no-such-compositor")
ippon_add_wayland_run(wayland_seat_probe_test seat_probe_test ENVIRONMENT "IPPON_EXPECT_SEAT=1")
ippon_add_wayland_run(wayland_seatless_seat_probe_test seat_probe_test SEATLESS
    ENVIRONMENT "IPPON_EXPECT_SEAT=0")
