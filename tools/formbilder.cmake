# Draws the sketches of the four standard shapes into Daten/ ("Kreis.JPG", "Rohr.JPG",
# "Quader.JPG", "Formrohr.JPG"). Run by hand: ninja formbilder_schreiben; commit the output.
add_executable(formbilder ${CMAKE_CURRENT_LIST_DIR}/formbilder.cpp)
target_link_libraries(formbilder PRIVATE trabex_core)
add_custom_target(formbilder_schreiben
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen $<TARGET_FILE:formbilder> ${PROJECT_SOURCE_DIR}/Daten
  DEPENDS formbilder
  COMMENT "Shape sketches into Daten/")
