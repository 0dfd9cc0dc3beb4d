trabex_test(test_main ${CMAKE_CURRENT_LIST_DIR}/test_main.cpp)
