trabex_fuzz(fuzz_rtf ${CMAKE_CURRENT_LIST_DIR}/fuzz_rtf.cpp)
