# The performance harness behind scripts/bench: start-up against a minimal Qt
# program, the drum's and the course view's ticks against their floors, and the
# timers' fidelity. It spawns the two programs, so it builds them too.
add_executable(minimal_window ${CMAKE_CURRENT_LIST_DIR}/minimal_window.cpp)
ippon_use_qt(minimal_window)
target_link_libraries(minimal_window PRIVATE benchhook widgets Qt6::Widgets)

# Built when asked for (scripts/bench does), not with everything else.
add_executable(perf_harness EXCLUDE_FROM_ALL ${CMAKE_CURRENT_LIST_DIR}/perf_harness.cpp)
ippon_use_qt(perf_harness)
target_link_libraries(perf_harness PRIVATE appcore Qt6::Widgets)
target_compile_definitions(perf_harness PRIVATE
    IPPON_PROGRAM_PATH="$<TARGET_FILE:ipponmichi>"
    IPPON_MINIMAL_PATH="$<TARGET_FILE:minimal_window>")
add_dependencies(perf_harness ipponmichi minimal_window)
