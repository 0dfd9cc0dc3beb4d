target_sources(trabex_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Formeltafel.cpp)
target_sources(trabex_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/U_Formel.cpp)
