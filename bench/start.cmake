add_executable(bench_start ${CMAKE_CURRENT_LIST_DIR}/bench_start.cpp)
target_link_libraries(bench_start PRIVATE trabex_gui)
add_dependencies(bench_start trabex_daten)
