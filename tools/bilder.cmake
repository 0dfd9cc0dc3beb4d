# The delivered pictures: load-case sketches (BMP) and the formula and units pictures (JPEG).
add_executable(lastfallbilder ${CMAKE_CURRENT_LIST_DIR}/lastfallbilder.cpp)
target_link_libraries(lastfallbilder PRIVATE trabex_core)
