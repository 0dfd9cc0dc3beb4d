target_sources(trabex_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Datenordner.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Lastfaelle.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Lastfallbild.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Programmsymbol.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Programmzustand.cpp
  ${CMAKE_CURRENT_LIST_DIR}/U_Dallg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Unit1.cpp)
target_sources(trabex_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Main.cpp)
