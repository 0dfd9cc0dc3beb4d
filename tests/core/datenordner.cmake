trabex_test(test_datenordner ${CMAKE_CURRENT_LIST_DIR}/test_datenordner.cpp)
