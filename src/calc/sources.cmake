target_sources(trabex_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Biegeformeln.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Biegelinien.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Biegerechnung.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Knickformeln.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Knickspannungslinie.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Nachweis.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Profilsuche.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Rechenweg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Scherformeln.cpp)
target_sources(trabex_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Biegedialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Diagramme.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Nachweiszeile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Rechendialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/U_bieg1.cpp
  ${CMAKE_CURRENT_LIST_DIR}/U_bieg2.cpp
  ${CMAKE_CURRENT_LIST_DIR}/U_knick.cpp
  ${CMAKE_CURRENT_LIST_DIR}/U_passend.cpp
  ${CMAKE_CURRENT_LIST_DIR}/U_scher.cpp
  ${CMAKE_CURRENT_LIST_DIR}/U_verlauf.cpp)
