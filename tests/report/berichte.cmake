trabex_test(test_report ${CMAKE_CURRENT_LIST_DIR}/test_report.cpp)
