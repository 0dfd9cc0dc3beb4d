target_sources(trabex_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Biegeformeln.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Knickformeln.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Scherformeln.cpp)
target_sources(trabex_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Biegedialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Rechendialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/U_bieg1.cpp
  ${CMAKE_CURRENT_LIST_DIR}/U_bieg2.cpp
  ${CMAKE_CURRENT_LIST_DIR}/U_knick.cpp
  ${CMAKE_CURRENT_LIST_DIR}/U_scher.cpp)
