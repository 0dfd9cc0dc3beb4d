trabex_test(test_rtf ${CMAKE_CURRENT_LIST_DIR}/test_rtf.cpp)
target_compile_definitions(test_rtf PRIVATE RTF_FIXTURES="${CMAKE_CURRENT_LIST_DIR}/fixtures")
trabex_test(test_explain ${CMAKE_CURRENT_LIST_DIR}/test_explain.cpp)
