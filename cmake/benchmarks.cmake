# Benchmark programs, run under Wine by scripts/bench-*.sh. Built with the
# tree so that they keep compiling; no test runs them.
add_executable(disc_size_bench ${CMAKE_SOURCE_DIR}/tests/bench/disc_size_bench.cpp)
target_link_libraries(disc_size_bench PRIVATE tav_win32)
target_compile_options(disc_size_bench PRIVATE ${TAV_WARNINGS})
