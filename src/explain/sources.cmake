target_sources(trabex_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Formeltafel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Rtf.cpp)
target_sources(trabex_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/U_Formel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/U_Hilfe.cpp)
