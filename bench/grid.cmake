# The grid's load, numeric sort and save against a plain C++ baseline.
add_executable(bench_grid ${CMAKE_CURRENT_LIST_DIR}/bench_grid.cpp)
target_link_libraries(bench_grid PRIVATE trabex_core)
