# The delivered pictures: load-case sketches (BMP) and the formula and units pictures (JPEG).
add_executable(lastfallbilder ${CMAKE_CURRENT_LIST_DIR}/lastfallbilder.cpp)
target_link_libraries(lastfallbilder PRIVATE trabex_core)
add_executable(formelbilder ${CMAKE_CURRENT_LIST_DIR}/formelbilder.cpp ${CMAKE_CURRENT_LIST_DIR}/Formelsatz.cpp)
target_link_libraries(formelbilder PRIVATE trabex_core)
