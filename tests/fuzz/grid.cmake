trabex_fuzz(fuzz_grid ${CMAKE_CURRENT_LIST_DIR}/fuzz_grid.cpp)
