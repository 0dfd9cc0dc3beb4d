trabex_fuzz(fuzz_textdatei ${CMAKE_CURRENT_LIST_DIR}/fuzz_textdatei.cpp)
