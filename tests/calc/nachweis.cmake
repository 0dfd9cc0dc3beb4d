trabex_test(test_nachweis ${CMAKE_CURRENT_LIST_DIR}/test_nachweis.cpp)
