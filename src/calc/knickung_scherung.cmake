target_sources(trabex_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Knickformeln.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Knickspannungslinie.cpp)
target_sources(trabex_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/U_knick.cpp
  ${CMAKE_CURRENT_LIST_DIR}/U_scher.cpp)
