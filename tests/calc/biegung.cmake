trabex_test(test_biegeformeln ${CMAKE_CURRENT_LIST_DIR}/test_biegeformeln.cpp)
trabex_test(test_biegedialoge ${CMAKE_CURRENT_LIST_DIR}/test_biegedialoge.cpp)
trabex_test(test_biegelinien ${CMAKE_CURRENT_LIST_DIR}/test_biegelinien.cpp)
trabex_test(test_verlaeufe ${CMAKE_CURRENT_LIST_DIR}/test_verlaeufe.cpp)
