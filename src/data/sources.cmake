# Each part of the folder brings its own fragment (*.cmake beside this file).
file(GLOB teile ${CMAKE_CURRENT_LIST_DIR}/*.cmake)
list(REMOVE_ITEM teile ${CMAKE_CURRENT_LIST_FILE})
foreach(teil IN LISTS teile)
  include(${teil})
endforeach()
