trabex_test(test_sections ${CMAKE_CURRENT_LIST_DIR}/test_sections.cpp)
