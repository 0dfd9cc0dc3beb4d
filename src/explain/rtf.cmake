target_sources(trabex_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Rtf.cpp)
