target_sources(trabex_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/U_Hilfe.cpp)
