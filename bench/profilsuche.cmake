# The profile finder over the whole delivered library against one frame (16,7 ms).
add_executable(bench_profilsuche ${CMAKE_CURRENT_LIST_DIR}/bench_profilsuche.cpp)
target_link_libraries(bench_profilsuche PRIVATE trabex_core)
target_compile_definitions(bench_profilsuche PRIVATE TRABEX_DATEN="${PROJECT_SOURCE_DIR}/Daten/")
