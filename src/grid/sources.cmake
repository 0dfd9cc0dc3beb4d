target_sources(trabex_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/SGcomp.cpp
  ${CMAKE_CURRENT_LIST_DIR}/U_Zeit.cpp)
target_sources(trabex_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/SGcomp_Ansicht.cpp)
