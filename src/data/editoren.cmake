target_sources(trabex_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Tab_Profileditor.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Tab_Werkstoffdatenbank.cpp)
