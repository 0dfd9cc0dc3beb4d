trabex_test(test_material ${CMAKE_CURRENT_LIST_DIR}/test_material.cpp)
trabex_test(test_werkstoffauswahl ${CMAKE_CURRENT_LIST_DIR}/test_werkstoffauswahl.cpp)
trabex_test(test_gelieferte_daten ${CMAKE_CURRENT_LIST_DIR}/test_gelieferte_daten.cpp)
