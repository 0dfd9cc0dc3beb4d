trabex_test(test_core ${CMAKE_CURRENT_LIST_DIR}/test_core.cpp)
