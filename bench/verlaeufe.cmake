# Opening the diagram window after a calculation, first against later openings.
add_executable(bench_verlaeufe ${CMAKE_CURRENT_LIST_DIR}/bench_verlaeufe.cpp)
target_link_libraries(bench_verlaeufe PRIVATE trabex_gui)
add_dependencies(bench_verlaeufe trabex_daten)
