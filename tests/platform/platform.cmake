trabex_test(test_platform ${CMAKE_CURRENT_LIST_DIR}/test_platform.cpp)
