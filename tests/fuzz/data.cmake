trabex_fuzz(fuzz_material ${CMAKE_CURRENT_LIST_DIR}/fuzz_material.cpp)
trabex_fuzz(fuzz_profile ${CMAKE_CURRENT_LIST_DIR}/fuzz_profile.cpp)
