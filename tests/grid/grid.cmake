trabex_test(test_grid ${CMAKE_CURRENT_LIST_DIR}/test_grid.cpp)
