# The slot drum's tick: time, heap allocations, and the ratio to a plain copy.
if(benchmark_FOUND)
    add_executable(slot_bench ${CMAKE_CURRENT_LIST_DIR}/slot_bench.cpp)
    ippon_use_qt(slot_bench)
    target_link_libraries(slot_bench PRIVATE slot assets benchmark::benchmark)
endif()
