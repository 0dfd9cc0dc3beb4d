target_sources(trabex_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Nachweis.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Biegerechnung.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Profilsuche.cpp)
target_sources(trabex_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Nachweiszeile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/U_passend.cpp)
