# Cost and heap allocations of the course view's walking ticks.
if(benchmark_FOUND)
    add_executable(display_bench display_bench.cpp)
    target_link_libraries(display_bench PRIVATE display assets benchmark::benchmark)
endif()
