trabex_test(test_lastfallbild ${CMAKE_CURRENT_LIST_DIR}/test_lastfallbild.cpp)
trabex_test(test_lastfaelle ${CMAKE_CURRENT_LIST_DIR}/test_lastfaelle.cpp)
