target_sources(trabex_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Fehler.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Fliesskomma.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Meldungen.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Sprache.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Textdatei.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Zahlen.cpp)
target_sources(trabex_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Bausteine.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Oberflaeche.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Stile.cpp)
