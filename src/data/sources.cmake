target_sources(trabex_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/U_Lesen.cpp
  ${CMAKE_CURRENT_LIST_DIR}/U_Material.cpp
  ${CMAKE_CURRENT_LIST_DIR}/U_Profile.cpp)
target_sources(trabex_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Tab_Profileditor.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Tab_Werkstoffauswahl.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Tab_Werkstoffdatenbank.cpp)
