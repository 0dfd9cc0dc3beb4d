target_sources(trabex_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Berichtsinhalt.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Seitengeometrie.cpp)
target_sources(trabex_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/U_Printgr.cpp
  ${CMAKE_CURRENT_LIST_DIR}/U_druck.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Zusatzseiten.cpp)
