target_sources(trabex_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Formbilder.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Querschnittswerte.cpp)
target_sources(trabex_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Querschnittsdialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/U_e_prof.cpp
  ${CMAKE_CURRENT_LIST_DIR}/U_p_rec.cpp
  ${CMAKE_CURRENT_LIST_DIR}/U_profil.cpp)
