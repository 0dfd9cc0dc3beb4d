trabex_test(test_editoren ${CMAKE_CURRENT_LIST_DIR}/test_editoren.cpp)
